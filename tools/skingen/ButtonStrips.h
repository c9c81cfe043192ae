#pragma once
// The four-frame button strips (normal, hover, pressed, disabled). Buttons that lie straight on
// the main window carry the pixels of the skin behind them, so every pixel is opaque: the main
// window's background is a colour key, and a half-transparent edge over it would show the key
// colour. Glyphs that lie over a tab (its close mark and icon) keep real alpha.

#include "tools/skingen/AreaImages.h"

namespace skingen {

// Draws every strip into images; background is the background window's image at the
// reference size, the source of each button's backdrop.
void DrawButtonStrips(ImageSet& images, cairo_surface_t* background);

}  // namespace skingen
