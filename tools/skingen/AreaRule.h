#pragma once
// The browser's rectangle rules, repeated here so the generator can compose a preview and crop
// the backdrop behind each button without linking the browser.

#include <string>

#include "tools/skingen/SkinTable.h"

namespace skingen {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// The rectangle of an area element inside a window of width w and height h; an unknown anchor
// leaves out unchanged.
void ComputeAreaRect(int w, int h, const SkinElement& e, Rect& out);

// Where a button element lands in a window of width w: from the right edge under "R", else
// from the left.
Rect PlaceButton(int w, const SkinElement& e);

}  // namespace skingen
