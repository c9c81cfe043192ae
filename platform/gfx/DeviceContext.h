#pragma once
// The bridge between the window system and drawing: a device context over a surface. The window
// system makes one for BeginPaint/GetDC on a window's backing surface, and for the screen, and
// releases it with DeleteDC (Gdi.h).

#include "platform/base/WinTypes.h"
#include "platform/gfx/Gdi.h"
#include "platform/gfx/Surface.h"

namespace qx::gfx {

// A new device context that draws onto target. clip, in surface pixels, limits all drawing
// (null: the whole surface). origin is the surface pixel where logical (0, 0) lies. Released
// with DeleteDC. Null when target is null.
HDC CreateSurfaceDC(SurfacePtr target, const RECT* clip = nullptr, POINT origin = {});

// The surface a device context draws on: the bitmap selected into a memory context, else its
// target. Null for a handle that is not a live device context.
SurfacePtr SurfaceOfDC(HDC dc);

// The pixels of a bitmap handle; null for a handle that is not a live bitmap.
SurfacePtr SurfaceOfBitmap(HBITMAP bitmap);

// A new bitmap handle over an existing surface (the window system's icons and tests); the
// surface is shared, not copied. Null when surface is null.
HBITMAP CreateBitmapOfSurface(SurfacePtr surface);

// How many GDI objects and device contexts are alive, stock objects included (leak checks).
std::size_t LiveGdiObjectCount();

}  // namespace qx::gfx
