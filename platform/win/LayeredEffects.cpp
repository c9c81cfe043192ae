#include "platform/win/LayeredEffects.h"

#include <cstdint>

namespace qx::win {

void ApplyColorKey(gfx::Surface& image, COLORREF key) {
    cairo_surface_t* surface = image.cairo();
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    if (!data) return;
    // Only an opaque pixel can carry the key: premultiplied and straight colours agree there,
    // so one compare of the whole word decides.
    const std::uint32_t keyed = 0xFF000000u | (std::uint32_t{GetRValue(key)} << 16) |
                                (std::uint32_t{GetGValue(key)} << 8) | GetBValue(key);
    const int stride = cairo_image_surface_get_stride(surface);
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x) row[x] = row[x] == keyed ? 0u : row[x];
    }
    cairo_surface_mark_dirty(surface);
}

void ApplyConstantAlpha(gfx::Surface& image, BYTE alpha) {
    if (alpha == 255) return;
    cairo_t* cr = cairo_create(image.cairo());
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
    cairo_set_source_rgba(cr, 0, 0, 0, alpha / 255.0);
    cairo_paint(cr);
    cairo_destroy(cr);
}

void PaintOpaque(cairo_t* cr, const gfx::Surface& source, double x, double y) {
    cairo_surface_t* pixels = source.cairo();
    cairo_surface_flush(pixels);
    unsigned char* data = cairo_image_surface_get_data(pixels);
    if (!data || source.width() == 0 || source.height() == 0) return;
    // The same memory seen as RGB24: cairo then reads every alpha byte as 255, with no copy.
    cairo_surface_t* opaque = cairo_image_surface_create_for_data(
        data, CAIRO_FORMAT_RGB24, source.width(), source.height(), cairo_image_surface_get_stride(pixels));
    cairo_set_source_surface(cr, opaque, x, y);
    cairo_paint(cr);
    cairo_surface_destroy(opaque);
}

}  // namespace qx::win
