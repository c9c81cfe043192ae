#include "platform/gfx/Surface.h"

#include <algorithm>

namespace qx::gfx {

Surface::Surface(int width, int height) { Resize(width, height); }

Surface::~Surface() {
    if (m_surface) cairo_surface_destroy(m_surface);
}

void Surface::Resize(int width, int height) {
    if (m_surface) cairo_surface_destroy(m_surface);
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    // cairo clears new image surfaces to transparent.
    m_surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, m_width, m_height);
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
