#pragma once
// What of a window image a screen without blending can show: the pixels that are not fully
// transparent, as rectangles for the window's shape, and the image with partial transparency
// taken out.

#include "platform/base/WinTypes.h"
#include "platform/gfx/Surface.h"

#include <vector>

namespace qx::backend::gtk {

// The pixels whose alpha is not 0, as rectangles that do not overlap: the runs of each row,
// with neighbouring rows of the same runs joined into one band. Empty for an empty image.
std::vector<RECT> VisibleRegion(const gfx::Surface& image);

// A copy in which every pixel that is not fully transparent is fully opaque, in its own colour
// (the alpha divided out); fully transparent pixels stay transparent.
gfx::SurfacePtr WithoutTranslucency(const gfx::Surface& image);

}  // namespace qx::backend::gtk
