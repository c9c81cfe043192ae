#pragma once
// Where PlaceButton puts an image button inside its parent.

#include "platform/base/WinTypes.h"

struct ButtonPlacement {
    LONG x = 0;
    LONG y = 0;
    LONG nWidth = 0;
    LONG nHeight = 0;
    friend bool operator==(const ButtonPlacement&, const ButtonPlacement&) = default;
};

// Anchor "R" (exactly) counts x from the parent's right edge; every other anchor, "RR" and "B"
// included, places the button from the left and top edges. The size is the button's own.
ButtonPlacement ComputeButtonPlacement(const RECT& rcParent, LONG nX, LONG nY, LONG nWidth, LONG nHeight,
                                       const CString& strAnchor);
