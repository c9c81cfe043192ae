#include "tools/skingen/Painter.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

namespace skingen {

SurfacePtr NewSurface(int width, int height) {
    return SurfacePtr(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
}

ContextPtr NewContext(cairo_surface_t* surface) { return ContextPtr(cairo_create(surface)); }

int Width(cairo_surface_t* s) { return cairo_image_surface_get_width(s); }
int Height(cairo_surface_t* s) { return cairo_image_surface_get_height(s); }

SurfacePtr Crop(cairo_surface_t* source, int x, int y, int w, int h) {
    SurfacePtr out = NewSurface(w, h);
    ContextPtr cr = NewContext(out.get());
    cairo_set_source_surface(cr.get(), source, -x, -y);
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr.get());
    return out;
}

void SetColour(cairo_t* cr, Rgba c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void FillRect(cairo_t* cr, double x, double y, double w, double h, Rgba c) {
    cairo_rectangle(cr, x, y, w, h);
    SetColour(cr, c);
    cairo_fill(cr);
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::min({radius, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void TopRoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::min({radius, w / 2, h});
    cairo_new_sub_path(cr);
    cairo_move_to(cr, x, y + h);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_line_to(cr, x + w, y + h);
    cairo_close_path(cr);
}

void DrawText(cairo_t* cr, const std::string& text, const std::string& font, Rgba c, double x,
              double y) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* desc = pango_font_description_from_string(font.c_str());
    pango_layout_set_font_description(layout, desc);
    pango_layout_set_text(layout, text.c_str(), -1);
    SetColour(cr, c);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    pango_font_description_free(desc);
    g_object_unref(layout);
}

bool WritePng(cairo_surface_t* s, const std::string& path) {
    return cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace skingen
