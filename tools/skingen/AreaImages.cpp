#include "tools/skingen/AreaImages.h"

#include <cmath>

#include "tools/skingen/Glyphs.h"
#include "tools/skingen/Metrics.h"
#include "tools/skingen/Palette.h"

namespace skingen {

namespace {

using namespace metrics;
namespace pal = palette;

// Horizontal bars are uniform along x, so a slice of any width tiles; 32 keeps the number of
// tiles per redraw small.
constexpr int kSlice = 32;

SurfacePtr Solid(int w, int h, Rgba c) {
    SurfacePtr s = NewSurface(w, h);
    ContextPtr cr = NewContext(s.get());
    FillRect(cr.get(), 0, 0, w, h, c);
    return s;
}

SurfacePtr Mirror(cairo_surface_t* source) {
    const int w = Width(source), h = Height(source);
    SurfacePtr s = NewSurface(w, h);
    ContextPtr cr = NewContext(s.get());
    cairo_translate(cr.get(), w, 0);
    cairo_scale(cr.get(), -1, 1);
    cairo_set_source_surface(cr.get(), source, 0, 0);
    cairo_paint(cr.get());
    return s;
}

// The title bar's left end: its fill, cut round at the window's top-left corner.
SurfacePtr TitleBarLeft() {
    SurfacePtr s = NewSurface(kCorner, kTitleHeight);
    ContextPtr cr = NewContext(s.get());
    cairo_move_to(cr.get(), 0, kTitleHeight);
    cairo_arc(cr.get(), kCorner, kCorner, kCorner, M_PI, 1.5 * M_PI);
    cairo_line_to(cr.get(), kCorner, kTitleHeight);
    cairo_close_path(cr.get());
    SetColour(cr.get(), pal::kChrome);
    cairo_fill(cr.get());
    return s;
}

// The window's top-left corner: the 1px border line turning round, transparent elsewhere.
SurfacePtr CornerLeft() {
    SurfacePtr s = NewSurface(kCorner, kCorner);
    ContextPtr cr = NewContext(s.get());
    cairo_arc(cr.get(), kCorner, kCorner, kCorner - 0.5, M_PI, 1.5 * M_PI);
    SetColour(cr.get(), pal::kWindowBorder);
    cairo_set_line_width(cr.get(), 1.0);
    cairo_stroke(cr.get());
    return s;
}

// A bar of colour fill with a 1px line along one edge (row or column index, -1 for none).
SurfacePtr Bar(int w, int h, Rgba fill, int lineRow, int lineColumn) {
    SurfacePtr s = Solid(w, h, fill);
    ContextPtr cr = NewContext(s.get());
    if (lineRow >= 0) FillRect(cr.get(), 0, lineRow, w, 1, pal::kSeparator);
    if (lineColumn >= 0) FillRect(cr.get(), lineColumn, 0, 1, h, pal::kSeparator);
    return s;
}

// The left end of a pill-shaped box: a white half disc with a 1px border.
SurfacePtr BoxLeft() {
    const double r = kBoxHeight / 2.0;
    SurfacePtr s = NewSurface(kBoxCap, kBoxHeight);
    ContextPtr cr = NewContext(s.get());
    cairo_arc(cr.get(), kBoxCap, r, r, 0.5 * M_PI, 1.5 * M_PI);
    cairo_close_path(cr.get());
    SetColour(cr.get(), pal::kPage);
    cairo_fill(cr.get());
    cairo_arc(cr.get(), kBoxCap, r, r - 0.5, 0.5 * M_PI, 1.5 * M_PI);
    SetColour(cr.get(), pal::kBoxBorder);
    cairo_set_line_width(cr.get(), 1.0);
    cairo_stroke(cr.get());
    return s;
}

SurfacePtr BoxMiddle() {
    SurfacePtr s = Solid(8, kBoxHeight, pal::kPage);
    ContextPtr cr = NewContext(s.get());
    FillRect(cr.get(), 0, 0, 8, 1, pal::kBoxBorder);
    FillRect(cr.get(), 0, kBoxHeight - 1, 8, 1, pal::kBoxBorder);
    return s;
}

SurfacePtr ProjectIcon() {
    SurfacePtr s = NewSurface(kIconSize, kIconSize);
    ContextPtr cr = NewContext(s.get());
    cairo_scale(cr.get(), kIconSize / 16.0, kIconSize / 16.0);
    DrawGlyph(cr.get(), Glyph::AppLogo, pal::kWhite);
    return s;
}

}  // namespace

void DrawAreaImages(ImageSet& images) {
    images["background.png"] = Solid(kSlice, kSlice, pal::kChrome);
    images["title_bar.png"] = Solid(kSlice, kTitleHeight, pal::kChrome);
    images["title_bar_left.png"] = TitleBarLeft();
    images["title_bar_right.png"] = Mirror(images["title_bar_left.png"].get());
    images["address_bar.png"] = Solid(kSlice, kAddressHeight, pal::kChrome);
    images["tab_bar.png"] = Bar(kSlice, kTabBarHeight, pal::kTabBar, kTabBarHeight - 1, -1);
    images["tools_bar.png"] = Bar(kToolColumnWidth, kSlice, pal::kToolColumn, -1,
                                  kToolColumnWidth - 1);
    images["state_bar.png"] = Bar(kSlice, kStatusHeight, pal::kChrome, 0, -1);
    images["content.png"] = Solid(kSlice, kSlice, pal::kPage);
    images["project.png"] = ProjectIcon();
    images["border_v.png"] = Solid(1, kSlice, pal::kWindowBorder);
    images["border_h.png"] = Solid(kSlice, 1, pal::kWindowBorder);
    images["corner_left.png"] = CornerLeft();
    images["corner_right.png"] = Mirror(images["corner_left.png"].get());
    images["box_left.png"] = BoxLeft();
    images["box_middle.png"] = BoxMiddle();
    images["box_right.png"] = Mirror(images["box_left.png"].get());
    images["none.png"] = NewSurface(1, 1);
}

}  // namespace skingen
