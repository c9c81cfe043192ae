#pragma once
// The skin's icons, drawn as vector paths. Every glyph is designed on a 16 x 16 grid whose
// top-left corner is the current origin; callers translate (and, for other sizes, scale).

#include "tools/skingen/Painter.h"

namespace skingen {

enum class Glyph {
    Back, Forward, Stop, Refresh, Home, Settings,    // navigation bar
    Globe, Go, Magnifier, Engine1, Engine2,          // address and search boxes
    Tasks, Contacts, Notepad, Star,                  // left tools column
    Plus, TabClose, TabIcon, AppLogo,                // tabs and title bar
    Minimise, Maximise, Restore, Close,              // window buttons (pixel-aligned)
};

// Draws glyph in colour; the engine and logo glyphs bring their own colours, and colour.a
// fades them.
void DrawGlyph(cairo_t* cr, Glyph glyph, Rgba colour);

}  // namespace skingen
