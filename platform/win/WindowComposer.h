#pragma once
// The image a top-level window shows: its own surface with its visible children over it, or the
// image UpdateLayeredWindow gave it; then, for a layered window, the colour key and the constant
// alpha. Composed images are kept per window and composed again only after the window changed.
// Internal to platform/win; tests and tools use Composition.h.

#include "platform/win/Window.h"

namespace qx::win {

// A layered window shows through its attributes or its image; one that has neither yet is shown
// like any other window.
bool HasLayeredLook(const Window& window);

// The composed image of a top-level window, as large as the window. Valid until the window
// system next composes or changes a window.
const gfx::Surface& ComposedImage(const Window& top);

// Draws the visible children of window onto cr, whose origin is window's client (0, 0), bottom
// first, each clipped to its parent, their own children over them.
void DrawChildren(cairo_t* cr, const Window& window);

// Whether the mouse at a screen point inside the top-level window passes on to the window below:
// where a layered window shows nothing (a colour-key pixel, a pixel of alpha 0).
bool LetsMouseThrough(const Window& top, POINT screen);

}  // namespace qx::win
