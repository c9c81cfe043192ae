#pragma once
// What the screen shows, as pixels: any window's composed image and the whole screen image, for
// tests, tools and screenshots. The backends get the same images through Backend::Present.

#include "platform/base/WinTypes.h"
#include "platform/gfx/Surface.h"

#include <string>

namespace qx::win {

// The colour of the desktop behind every window in the screen image.
inline constexpr COLORREF kDesktopColor = RGB(0x2B, 0x4A, 0x6B);

// A copy of a window's image: for a top-level window what it presents (its children over its
// surface, or its layered image, with colour key and alpha applied); for a child window its
// surface with its own children over it. Null for a dead handle.
gfx::SurfacePtr ComposeWindowImage(HWND hwnd);

// The screen: every visible top-level window that is not minimised, bottom first, over the
// desktop colour. Layered windows blend with what lies below them; other windows cover it.
// The image is redrawn in place by the next call unless the caller still holds it.
gfx::SurfacePtr ComposeScreenImage();

// The screen image / a window's image as a PNG file; false when there is nothing to write or the
// file could not be written.
bool SaveScreenshot(const std::string& path);
bool SaveWindowImage(HWND hwnd, const std::string& path);

}  // namespace qx::win
