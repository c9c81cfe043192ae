#pragma once
// Previews of the skin: the background window's image composed from the area elements, and the
// whole browser window with its buttons, tabs and sample texts laid over it.

#include "tools/skingen/AreaImages.h"

namespace skingen {

// The background window's image at w x h: the 21 area elements in drawing order, each tiled at
// natural size into its rectangle and cut at the rectangle's edges.
SurfacePtr RenderBackground(const ImageSet& images, int w, int h);

// The browser window at w x h with three tabs (the first selected), every visible button in its
// normal frame, sample title, address and status texts and a mock page.
SurfacePtr RenderWindow(const ImageSet& images, int w, int h);

}  // namespace skingen
