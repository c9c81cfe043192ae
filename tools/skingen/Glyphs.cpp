#include "tools/skingen/Glyphs.h"

#include <cmath>

#include "tools/skingen/Palette.h"

namespace skingen {

namespace {

void Line(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
}

void Stroke(cairo_t* cr, Rgba c, double width) {
    SetColour(cr, c);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// Crisp 1px strokes: hairlines sit on pixel centres and keep square ends.
void Hairline(cairo_t* cr, Rgba c) {
    SetColour(cr, c);
    cairo_set_line_width(cr, 1.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_stroke(cr);
}

void Arrow(cairo_t* cr, Rgba c, bool left) {
    const auto X = [left](double x) { return left ? x : 16 - x; };
    Line(cr, X(13), 8, X(3.5), 8);
    cairo_move_to(cr, X(8), 3.5);
    cairo_line_to(cr, X(3.5), 8);
    cairo_line_to(cr, X(8), 12.5);
    Stroke(cr, c, 1.7);
}

void Refresh(cairo_t* cr, Rgba c) {
    cairo_arc(cr, 8, 8.5, 5.2, -M_PI / 6, 1.5 * M_PI);
    Stroke(cr, c, 1.7);
    // Arrow head at the top of the circle, pointing along the turn into the gap.
    cairo_move_to(cr, 11.0, 3.3);
    cairo_line_to(cr, 7.4, 0.6);
    cairo_line_to(cr, 7.4, 6.0);
    cairo_close_path(cr);
    SetColour(cr, c);
    cairo_fill(cr);
}

void Home(cairo_t* cr, Rgba c) {
    cairo_move_to(cr, 2.2, 8.2);
    cairo_line_to(cr, 8, 2.8);
    cairo_line_to(cr, 13.8, 8.2);
    cairo_move_to(cr, 4.2, 6.8);
    cairo_line_to(cr, 4.2, 13.4);
    cairo_line_to(cr, 11.8, 13.4);
    cairo_line_to(cr, 11.8, 6.8);
    cairo_move_to(cr, 6.9, 13.4);
    cairo_line_to(cr, 6.9, 10.0);
    cairo_line_to(cr, 9.1, 10.0);
    cairo_line_to(cr, 9.1, 13.4);
    Stroke(cr, c, 1.5);
}

void Settings(cairo_t* cr, Rgba c) {
    const int teeth = 8;
    const double outer = 6.8, root = 5.1;
    const double step = 2 * M_PI / teeth;
    const double tip = 0.19, base = 0.30;  // half-widths of a tooth, radians
    cairo_new_sub_path(cr);
    for (int i = 0; i < teeth; ++i) {
        const double a = i * step;
        const auto P = [&](double angle, double r) {
            cairo_line_to(cr, 8 + r * std::cos(angle), 8 + r * std::sin(angle));
        };
        P(a - base, root);
        P(a - tip, outer);
        P(a + tip, outer);
        P(a + base, root);
        cairo_arc(cr, 8, 8, root, a + base, a + step - base);
    }
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 8, 8, 2.2, 0, 2 * M_PI);
    Stroke(cr, c, 1.35);
}

void Globe(cairo_t* cr, Rgba c, double width) {
    cairo_arc(cr, 8, 8, 6, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 8, 8);
    cairo_scale(cr, 0.45, 1);
    cairo_arc(cr, 0, 0, 6, 0, 2 * M_PI);
    cairo_restore(cr);
    Line(cr, 2, 8, 14, 8);
    Line(cr, 3.2, 5, 12.8, 5);
    Line(cr, 3.2, 11, 12.8, 11);
    Stroke(cr, c, width);
}

void Magnifier(cairo_t* cr, Rgba c, double width) {
    cairo_arc(cr, 7, 7, 4.4, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    Line(cr, 10.3, 10.3, 13.6, 13.6);
    Stroke(cr, c, width);
}

// A round badge in two tones of one colour with a white mark on it.
void Badge(cairo_t* cr, Rgba dark, Rgba light, double fade) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0.5, 0, 15.5);
    cairo_pattern_add_color_stop_rgba(p, 0, light.r, light.g, light.b, fade);
    cairo_pattern_add_color_stop_rgba(p, 1, dark.r, dark.g, dark.b, fade);
    cairo_arc(cr, 8, 8, 7.5, 0, 2 * M_PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Engine1(cairo_t* cr, double fade) {
    Badge(cr, palette::kAccent, palette::kAccentLight, fade);
    cairo_save(cr);
    cairo_translate(cr, 3.4, 3.4);
    cairo_scale(cr, 0.62, 0.62);
    Magnifier(cr, Hex(0xFFFFFF, fade), 2.6);
    cairo_restore(cr);
}

void Engine2(cairo_t* cr, double fade) {
    Badge(cr, palette::kEngine2, palette::kEngine2Light, fade);
    // A four-pointed spark: a second, different engine.
    cairo_move_to(cr, 8, 3.2);
    cairo_curve_to(cr, 8.6, 6.6, 9.4, 7.4, 12.8, 8);
    cairo_curve_to(cr, 9.4, 8.6, 8.6, 9.4, 8, 12.8);
    cairo_curve_to(cr, 7.4, 9.4, 6.6, 8.6, 3.2, 8);
    cairo_curve_to(cr, 6.6, 7.4, 7.4, 6.6, 8, 3.2);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xFFFFFF, fade));
    cairo_fill(cr);
}

void AppLogo(cairo_t* cr, double fade) {
    Badge(cr, palette::kAccent, palette::kAccentLight, fade);
    // A compass needle across the badge, its south half paler.
    const double k = std::sqrt(0.5);
    const auto P = [&](double along, double across) {
        return std::pair{8 + (along - across) * k, 8 - (along + across) * k};
    };
    const auto [nx, ny] = P(5.6, 0);
    const auto [lx, ly] = P(0, 1.9);
    const auto [sx, sy] = P(-5.6, 0);
    const auto [rx, ry] = P(0, -1.9);
    cairo_move_to(cr, nx, ny);
    cairo_line_to(cr, lx, ly);
    cairo_line_to(cr, rx, ry);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xFFFFFF, fade));
    cairo_fill(cr);
    cairo_move_to(cr, sx, sy);
    cairo_line_to(cr, lx, ly);
    cairo_line_to(cr, rx, ry);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xFFFFFF, 0.55 * fade));
    cairo_fill(cr);
}

void Tasks(cairo_t* cr, Rgba c) {
    RoundedRectPath(cr, 3.2, 2.8, 9.6, 11.6, 1.6);
    Stroke(cr, c, 1.4);
    RoundedRectPath(cr, 5.8, 1.6, 4.4, 2.6, 0.8);
    SetColour(cr, c);
    cairo_fill(cr);
    cairo_move_to(cr, 5.6, 9.0);
    cairo_line_to(cr, 7.4, 10.8);
    cairo_line_to(cr, 10.6, 7.2);
    Stroke(cr, c, 1.5);
}

void Contacts(cairo_t* cr, Rgba c) {
    cairo_arc(cr, 8, 5.6, 2.8, 0, 2 * M_PI);
    Stroke(cr, c, 1.5);
    cairo_arc(cr, 8, 15.2, 5.8, 1.12 * M_PI, 1.88 * M_PI);
    Stroke(cr, c, 1.5);
}

void Notepad(cairo_t* cr, Rgba c) {
    RoundedRectPath(cr, 3.3, 2.3, 9.4, 11.6, 1.2);
    Stroke(cr, c, 1.4);
    for (double y : {6.0, 8.6, 11.2}) Line(cr, 5.8, y, 10.2, y);
    Stroke(cr, c, 1.2);
}

void Star(cairo_t* cr, Rgba c) {
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? 2.9 : 6.4;
        const double a = -M_PI / 2 + i * M_PI / 5;
        cairo_line_to(cr, 8 + r * std::cos(a), 8.6 + r * std::sin(a));
    }
    cairo_close_path(cr);
    Stroke(cr, c, 1.35);
}

void TabIcon(cairo_t* cr, Rgba c) {
    cairo_arc(cr, 8, 8, 6.6, 0, 2 * M_PI);
    SetColour(cr, Hex(0xE8F0FD, c.a));
    cairo_fill(cr);
    Globe(cr, Hex(0x2F6FE4, c.a), 1.15);
}

}  // namespace

void DrawGlyph(cairo_t* cr, Glyph glyph, Rgba c) {
    cairo_save(cr);
    switch (glyph) {
    case Glyph::Back: Arrow(cr, c, true); break;
    case Glyph::Forward: Arrow(cr, c, false); break;
    case Glyph::Stop:
        Line(cr, 4.2, 4.2, 11.8, 11.8);
        Line(cr, 11.8, 4.2, 4.2, 11.8);
        Stroke(cr, c, 1.7);
        break;
    case Glyph::Refresh: Refresh(cr, c); break;
    case Glyph::Home: Home(cr, c); break;
    case Glyph::Settings: Settings(cr, c); break;
    case Glyph::Globe: Globe(cr, c, 1.3); break;
    case Glyph::Go:
        Line(cr, 3.5, 8, 12.5, 8);
        cairo_move_to(cr, 8.5, 4);
        cairo_line_to(cr, 12.5, 8);
        cairo_line_to(cr, 8.5, 12);
        Stroke(cr, c, 1.6);
        break;
    case Glyph::Magnifier: Magnifier(cr, c, 1.6); break;
    case Glyph::Engine1: Engine1(cr, c.a); break;
    case Glyph::Engine2: Engine2(cr, c.a); break;
    case Glyph::Tasks: Tasks(cr, c); break;
    case Glyph::Contacts: Contacts(cr, c); break;
    case Glyph::Notepad: Notepad(cr, c); break;
    case Glyph::Star: Star(cr, c); break;
    case Glyph::Plus:
        Line(cr, 8, 3.5, 8, 12.5);
        Line(cr, 3.5, 8, 12.5, 8);
        Stroke(cr, c, 1.6);
        break;
    case Glyph::TabClose:
        Line(cr, 5.2, 5.2, 10.8, 10.8);
        Line(cr, 10.8, 5.2, 5.2, 10.8);
        Stroke(cr, c, 1.4);
        break;
    case Glyph::TabIcon: TabIcon(cr, c); break;
    case Glyph::AppLogo: AppLogo(cr, c.a); break;
    // Window buttons: a 10 x 10 mark at (3, 3) of the grid, on pixel centres.
    case Glyph::Minimise:
        Line(cr, 3.5, 8.5, 12.5, 8.5);
        Hairline(cr, c);
        break;
    case Glyph::Maximise:
        cairo_rectangle(cr, 3.5, 3.5, 9, 9);
        Hairline(cr, c);
        break;
    case Glyph::Restore:
        cairo_rectangle(cr, 3.5, 5.5, 7, 7);
        cairo_move_to(cr, 5.5, 5.5);
        cairo_line_to(cr, 5.5, 3.5);
        cairo_line_to(cr, 12.5, 3.5);
        cairo_line_to(cr, 12.5, 10.5);
        cairo_line_to(cr, 10.5, 10.5);
        Hairline(cr, c);
        break;
    case Glyph::Close:
        Line(cr, 3.5, 3.5, 12.5, 12.5);
        Line(cr, 12.5, 3.5, 3.5, 12.5);
        SetColour(cr, c);
        cairo_set_line_width(cr, 1.15);
        cairo_stroke(cr);
        break;
    }
    cairo_restore(cr);
}

}  // namespace skingen
