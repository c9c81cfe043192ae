#include "platform/gfx/Surface.h"

#include <algorithm>

namespace qx::gfx {

Surface::Surface(int width, int height) { Resize(width, height); }

Surface::~Surface() {
    if (m_surface) cairo_surface_destroy(m_surface);
}

std::shared_ptr<Surface> Surface::Adopt(cairo_surface_t* image) {
    std::shared_ptr<Surface> result(new Surface());
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS &&
        cairo_surface_get_type(image) == CAIRO_SURFACE_TYPE_IMAGE &&
        cairo_image_surface_get_format(image) != CAIRO_FORMAT_ARGB32) {
        cairo_surface_t* argb = cairo_image_surface_create(
            CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(image), cairo_image_surface_get_height(image));
        cairo_t* cr = cairo_create(argb);
        cairo_set_source_surface(cr, image, 0, 0);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_destroy(image);
        image = argb;
    }
    result->SetSurface(image);
    return result;
}

void Surface::Resize(int width, int height) {
    // cairo clears new image surfaces to transparent.
    SetSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(width, 0), std::max(height, 0)));
}

void Surface::SetSurface(cairo_surface_t* surface) {
    if (m_surface) cairo_surface_destroy(m_surface);
    m_surface = surface;
    // A surface in an error state stays usable (cairo ignores drawing on it) but holds nothing.
    const bool usable = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS &&
                        cairo_surface_get_type(surface) == CAIRO_SURFACE_TYPE_IMAGE;
    m_width = usable ? cairo_image_surface_get_width(surface) : 0;
    m_height = usable ? cairo_image_surface_get_height(surface) : 0;
}

void Surface::Clear() {
    cairo_t* cr = cairo_create(m_surface);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_destroy(cr);
}

std::uint32_t Surface::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
    cairo_surface_flush(m_surface);
    const unsigned char* data = cairo_image_surface_get_data(m_surface);
    if (!data) return 0;
    const int stride = cairo_image_surface_get_stride(m_surface);
    return *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
}

std::uint32_t Surface::UnpremultipliedPixel(int x, int y) const {
    const std::uint32_t p = Pixel(x, y);
    const std::uint32_t a = p >> 24;
    if (a == 0 || a == 255) return a == 0 ? 0 : p;
    auto channel = [&](int shift) { return std::min<std::uint32_t>(255, (((p >> shift) & 0xFF) * 255 + a / 2) / a); };
    return (a << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
}

bool Surface::WritePng(const std::string& path) const {
    cairo_surface_flush(m_surface);
    return cairo_surface_write_to_png(m_surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace qx::gfx
