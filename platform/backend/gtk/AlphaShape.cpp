#include "platform/backend/gtk/AlphaShape.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace qx::backend::gtk {

namespace {

struct Run {
    LONG left;
    LONG right;
    bool operator==(const Run&) const = default;
};

const std::uint32_t* Row(cairo_surface_t* surface, int y) {
    const unsigned char* data = cairo_image_surface_get_data(surface);
    return reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(surface));
}

void RunsOf(const std::uint32_t* row, int width, std::vector<Run>& runs) {
    runs.clear();
    int x = 0;
    while (x < width) {
        while (x < width && (row[x] >> 24) == 0) ++x;
        if (x == width) break;
        const int start = x;
        while (x < width && (row[x] >> 24) != 0) ++x;
        runs.push_back({start, x});
    }
}

}  // namespace

std::vector<RECT> VisibleRegion(const gfx::Surface& image) {
    std::vector<RECT> rects;
    if (image.width() <= 0 || image.height() <= 0) return rects;
    cairo_surface_flush(image.cairo());
    std::vector<Run> band;  // the runs of the band being built
    std::vector<Run> runs;
    int bandTop = 0;
    auto closeBand = [&](int bottom) {
        for (const Run& run : band) rects.push_back({run.left, bandTop, run.right, bottom});
    };
    for (int y = 0; y < image.height(); ++y) {
        RunsOf(Row(image.cairo(), y), image.width(), runs);
        if (y > 0 && runs == band) continue;
        closeBand(y);
        band.swap(runs);
        bandTop = y;
    }
    closeBand(image.height());
    return rects;
}

gfx::SurfacePtr WithoutTranslucency(const gfx::Surface& image) {
    auto copy = std::make_shared<gfx::Surface>(image.width(), image.height());
    if (copy->width() == 0 || copy->height() == 0) return copy;
    cairo_surface_flush(image.cairo());
    cairo_surface_flush(copy->cairo());
    for (int y = 0; y < image.height(); ++y) {
        const std::uint32_t* from = Row(image.cairo(), y);
        auto* to = const_cast<std::uint32_t*>(Row(copy->cairo(), y));
        for (int x = 0; x < image.width(); ++x) {
            const std::uint32_t pixel = from[x];
            const std::uint32_t alpha = pixel >> 24;
            if (alpha == 0 || alpha == 255) {
                to[x] = alpha == 0 ? 0 : pixel;
                continue;
            }
            auto undo = [alpha](std::uint32_t channel) { return std::min<std::uint32_t>(255, (channel * 255 + alpha / 2) / alpha); };
            to[x] = 0xFF000000u | undo((pixel >> 16) & 0xFF) << 16 | undo((pixel >> 8) & 0xFF) << 8 | undo(pixel & 0xFF);
        }
    }
    cairo_surface_mark_dirty(copy->cairo());
    return copy;
}

}  // namespace qx::backend::gtk
