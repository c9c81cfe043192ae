#include "platform/gfx/AppIcon.h"

#include <cmath>

namespace qx::gfx {

namespace {

void RoundedSquare(cairo_t* cr, double left, double top, double side, double radius) {
    const double right = left + side, bottom = top + side;
    cairo_new_sub_path(cr);
    cairo_arc(cr, right - radius, top + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr, right - radius, bottom - radius, radius, 0, M_PI / 2);
    cairo_arc(cr, left + radius, bottom - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr, left + radius, top + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void Background(cairo_t* cr, double s) {
    const double margin = s * 0.06;
    RoundedSquare(cr, margin, margin, s - 2 * margin, s * 0.2);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, s, s);
    cairo_pattern_add_color_stop_rgb(fill, 0, 0.22, 0.56, 0.87);  // calm blue
    cairo_pattern_add_color_stop_rgb(fill, 1, 0.15, 0.69, 0.57);  // sea green
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    // A soft light from above.
    cairo_pattern_t* light = cairo_pattern_create_linear(0, margin, 0, s * 0.55);
    cairo_pattern_add_color_stop_rgba(light, 0, 1, 1, 1, 0.22);
    cairo_pattern_add_color_stop_rgba(light, 1, 1, 1, 1, 0);
    cairo_set_source(cr, light);
    cairo_fill(cr);
    cairo_pattern_destroy(light);
}

// The leaf lies along the x axis of a frame turned 45 degrees, its tip to the upper right.
void Leaf(cairo_t* cr, double s) {
    const double length = s * 0.29, width = s * 0.19;
    cairo_save(cr);
    cairo_translate(cr, s * 0.52, s * 0.48);
    cairo_rotate(cr, -M_PI / 4);

    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_width(cr, std::max(1.0, s * 0.045));
    cairo_move_to(cr, -length * 0.9, 0);
    cairo_line_to(cr, -length - s * 0.13, s * 0.015);
    cairo_stroke(cr);

    cairo_move_to(cr, -length, 0);
    cairo_curve_to(cr, -length * 0.45, -width, length * 0.45, -width * 0.95, length, 0);
    cairo_curve_to(cr, length * 0.45, width * 0.95, -length * 0.45, width, -length, 0);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.96);
    cairo_fill(cr);

    if (s >= 20) {
        cairo_set_source_rgb(cr, 0.19, 0.62, 0.72);
        cairo_set_line_width(cr, s * 0.03);
        cairo_move_to(cr, -length * 0.8, 0);
        cairo_line_to(cr, length * 0.72, 0);
        cairo_stroke(cr);
    }
    if (s >= 40) {
        cairo_set_line_width(cr, s * 0.02);
        for (double x : {-0.35, 0.05, 0.42}) {
            const double reach = width * (0.62 - 0.25 * std::abs(x));
            cairo_move_to(cr, x * length, 0);
            cairo_line_to(cr, x * length + reach * 0.8, -reach);
            cairo_move_to(cr, x * length, 0);
            cairo_line_to(cr, x * length + reach * 0.8, reach);
        }
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

}  // namespace

SurfacePtr ApplicationIconImage(int size) {
    if (size < 1 || size > 1024) return nullptr;
    auto surface = std::make_shared<Surface>(size, size);
    cairo_t* cr = cairo_create(surface->cairo());
    Background(cr, size);
    Leaf(cr, size);
    cairo_destroy(cr);
    return surface;
}

}  // namespace qx::gfx
