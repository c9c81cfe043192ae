#pragma once
// The bridge between the window system and drawing: a device context over a surface. The window
// system makes one for BeginPaint/GetDC on a window's backing surface, and for the screen.

#include "platform/base/WinTypes.h"
#include "platform/gfx/Surface.h"

namespace qx::gfx {

// A new device context that draws onto target. clip, in surface pixels, limits all drawing
// (null: the whole surface). Released with DeleteDC.
HDC CreateSurfaceDC(SurfacePtr target, const RECT* clip = nullptr);

// The surface a device context draws on: the bitmap selected into a memory context, else its
// target. Null for a handle that is not a live device context.
SurfacePtr SurfaceOfDC(HDC dc);

// The pixels of a bitmap handle; null for a handle that is not a live bitmap.
SurfacePtr SurfaceOfBitmap(HBITMAP bitmap);

}  // namespace qx::gfx
