#pragma once
// A premultiplied ARGB32 image in memory: a window's backing store, a bitmap, the screen image.

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <string>

namespace qx::gfx {

class Surface {
public:
    // A new surface is fully transparent (all pixels 0). Negative sizes count as 0; a size
    // cairo cannot hold gives a surface of 0 x 0.
    Surface(int width, int height);
    // Takes over an image surface of any format; it is converted to ARGB32 when it is not.
    static std::shared_ptr<Surface> Adopt(cairo_surface_t* image);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int width() const { return m_width; }
    int height() const { return m_height; }
    cairo_surface_t* cairo() const { return m_surface; }

    // The pixel at (x, y) as 0xAARRGGBB, premultiplied as stored; 0 outside the surface.
    std::uint32_t Pixel(int x, int y) const;
    // The same pixel with the alpha divided out again (what a viewer of a PNG would see).
    std::uint32_t UnpremultipliedPixel(int x, int y) const;

    // Changes the size; the content is cleared to transparent.
    void Resize(int width, int height);
    void Clear();

    // Writes the image as a PNG file; false when the file could not be written.
    bool WritePng(const std::string& path) const;

private:
    Surface() = default;
    void SetSurface(cairo_surface_t* surface);

    int m_width = 0;
    int m_height = 0;
    cairo_surface_t* m_surface = nullptr;
};

using SurfacePtr = std::shared_ptr<Surface>;

}  // namespace qx::gfx
