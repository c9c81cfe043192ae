#pragma once
// Small cairo helpers the skin generator draws with: owned surfaces and contexts, colours and
// the few shapes chrome is made of.

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <string>

namespace skingen {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using ContextPtr = std::unique_ptr<cairo_t, ContextDeleter>;

// A colour with straight (not premultiplied) alpha.
struct Rgba {
    double r = 0, g = 0, b = 0, a = 1;
};

// 0xRRGGBB with an optional alpha.
constexpr Rgba Hex(std::uint32_t rgb, double alpha = 1.0) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

// A new transparent ARGB32 image.
SurfacePtr NewSurface(int width, int height);
ContextPtr NewContext(cairo_surface_t* surface);
int Width(cairo_surface_t* s);
int Height(cairo_surface_t* s);

// A copy of the rectangle (x, y, w, h) of source; parts outside source stay transparent.
SurfacePtr Crop(cairo_surface_t* source, int x, int y, int w, int h);

void SetColour(cairo_t* cr, Rgba c);
void FillRect(cairo_t* cr, double x, double y, double w, double h, Rgba c);

// Path of a rectangle with all four corners rounded by radius.
void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);
// Path of a rectangle with only its two top corners rounded.
void TopRoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);

// Draws text with Pango in the given font ("Sans 10") and colour, top-left at (x, y).
void DrawText(cairo_t* cr, const std::string& text, const std::string& font, Rgba c, double x,
              double y);

bool WritePng(cairo_surface_t* s, const std::string& path);

}  // namespace skingen
