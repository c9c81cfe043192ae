#pragma once
// The pixel passes that turn a window's composed pixels into what a layered window shows: the
// colour key, the constant alpha, and drawing an image whose alpha does not count.

#include "platform/base/WinTypes.h"
#include "platform/gfx/Surface.h"

namespace qx::win {

// Makes every opaque pixel whose colour is key (a COLORREF, 0x00BBGGRR) fully transparent.
void ApplyColorKey(gfx::Surface& image, COLORREF key);
// Scales every pixel by alpha / 255 (premultiplied, so colour and alpha together).
void ApplyConstantAlpha(gfx::Surface& image, BYTE alpha);
// Paints source at (x, y) on cr as if every pixel were opaque: a window that is not layered
// covers what lies below it whatever alpha its pixels carry.
void PaintOpaque(cairo_t* cr, const gfx::Surface& source, double x, double y);

}  // namespace qx::win
