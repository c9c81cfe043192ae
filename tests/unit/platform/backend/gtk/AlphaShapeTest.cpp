// The shape a screen without blending gives a window: its visible pixels as rectangles, and its
// image with partial transparency taken out.

#include "platform/backend/gtk/AlphaShape.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qx::backend::gtk {
namespace {

void Fill(gfx::Surface& surface, RECT r, double alpha) {
    cairo_t* cr = cairo_create(surface.cairo());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(cr, 1, 0, 0, alpha);
    cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_fill(cr);
    cairo_destroy(cr);
}

// Whether (x, y) lies in exactly one of the rectangles: they cover the set and never overlap.
int Coverage(const std::vector<RECT>& rects, int x, int y) {
    return static_cast<int>(std::count_if(rects.begin(), rects.end(), [&](const RECT& r) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    }));
}

TEST(AlphaShapeTest, VisiblePixelsBecomeBandsOfRuns) {
    // A frame with a transparent hole and a faint pixel: the faint one is part of the shape.
    gfx::Surface image(10, 8);
    Fill(image, {0, 0, 10, 8}, 1.0);
    Fill(image, {3, 2, 7, 6}, 0.0);
    Fill(image, {4, 3, 5, 4}, 0.02);

    const std::vector<RECT> rects = VisibleRegion(image);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool visible = (image.Pixel(x, y) >> 24) != 0;
            EXPECT_EQ(Coverage(rects, x, y), visible ? 1 : 0) << "at " << x << "," << y;
        }
    }
    // Rows with the same runs share rectangles: top band, two hole rows, the faint row, bottom band.
    EXPECT_EQ(rects.size(), 1u + 2 + 3 + 2 + 1);
    EXPECT_EQ(rects.front(), (RECT{0, 0, 10, 2}));
    EXPECT_EQ(rects.back(), (RECT{0, 6, 10, 8}));
}

TEST(AlphaShapeTest, EmptyAndTransparentImagesHaveNoShape) {
    EXPECT_TRUE(VisibleRegion(gfx::Surface(0, 0)).empty());
    EXPECT_TRUE(VisibleRegion(gfx::Surface(5, 5)).empty());
    gfx::Surface full(3, 2);
    Fill(full, {0, 0, 3, 2}, 1.0);
    EXPECT_EQ(VisibleRegion(full), (std::vector<RECT>{{0, 0, 3, 2}}));
}

TEST(AlphaShapeTest, TranslucentPixelsShowTheirOwnColourAtFullStrength) {
    gfx::Surface image(3, 1);
    Fill(image, {0, 0, 1, 1}, 1.0);
    Fill(image, {1, 0, 2, 1}, 0.5);
    const gfx::SurfacePtr opaque = WithoutTranslucency(image);
    EXPECT_EQ(opaque->Pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(opaque->Pixel(1, 0), 0xFFFF0000u);
    EXPECT_EQ(opaque->Pixel(2, 0), 0u);
}

}  // namespace
}  // namespace qx::backend::gtk
