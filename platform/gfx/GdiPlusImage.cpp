#include "platform/gfx/GdiPlus.h"

#include "platform/base/Paths.h"
#include "platform/base/Strings.h"
#include "platform/gfx/GdiPlusObjects.h"

#include <cstring>
#include <filesystem>

using namespace qx::gfx::detail;

namespace Gdiplus {

namespace {

// Premultiplies one straight-alpha pixel.
std::uint32_t Premultiplied(std::uint32_t argb) {
    const std::uint32_t a = argb >> 24;
    if (a == 255) return argb;
    auto channel = [&](int shift) { return ((((argb >> shift) & 0xFF) * a + 127) / 255) << shift; };
    return (a << 24) | channel(16) | channel(8) | channel(0);
}

void CopyPixels(const BYTE* scan0, INT stride, PixelFormat format, qx::gfx::Surface& surface) {
    cairo_surface_flush(surface.cairo());
    unsigned char* data = cairo_image_surface_get_data(surface.cairo());
    const int targetStride = cairo_image_surface_get_stride(surface.cairo());
    for (int y = 0; y < surface.height(); ++y) {
        const BYTE* from = scan0 + static_cast<std::ptrdiff_t>(y) * stride;
        auto* to = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * targetStride);
        std::memcpy(to, from, static_cast<std::size_t>(surface.width()) * 4);
        if (format == PixelFormat32bppARGB)
            for (int x = 0; x < surface.width(); ++x) to[x] = Premultiplied(to[x]);
        else if (format == PixelFormat32bppRGB)
            for (int x = 0; x < surface.width(); ++x) to[x] |= 0xFF000000u;
    }
    cairo_surface_mark_dirty(surface.cairo());
}

}  // namespace

Status GdipCreateBitmapFromFile(const WCHAR* filename, GpBitmap** bitmap) {
    if (!bitmap) return InvalidParameter;
    *bitmap = nullptr;
    if (!filename) return InvalidParameter;
    const std::string path = qx::ToFileSystemPath(filename);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return FileNotFound;
    cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        return UnknownImageFormat;
    }
    *bitmap = AddGp<GpBitmap>(std::make_shared<GpImageObject>(qx::gfx::Surface::Adopt(image)));
    return Ok;
}

Status GdipCreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format, BYTE* scan0, GpBitmap** bitmap) {
    if (!bitmap) return InvalidParameter;
    *bitmap = nullptr;
    if (width <= 0 || height <= 0) return InvalidParameter;
    if (format != PixelFormat32bppARGB && format != PixelFormat32bppPARGB && format != PixelFormat32bppRGB)
        return InvalidParameter;
    if (scan0 && (stride > -width * 4 && stride < width * 4)) return InvalidParameter;
    auto surface = std::make_shared<qx::gfx::Surface>(width, height);
    if (surface->width() != width || surface->height() != height) return OutOfMemory;
    if (scan0) CopyPixels(scan0, stride, format, *surface);
    *bitmap = AddGp<GpBitmap>(std::make_shared<GpImageObject>(std::move(surface)));
    return Ok;
}

Status GdipDisposeImage(GpImage* image) { return RemoveGp(image, GpKind::Image) ? Ok : InvalidParameter; }

Status GdipGetImageWidth(GpImage* image, UINT* width) {
    if (!width) return InvalidParameter;
    *width = 0;
    auto* found = FindGp<GpImageObject>(image, GpKind::Image);
    if (!found) return InvalidParameter;
    *width = static_cast<UINT>(found->surface->width());
    return Ok;
}

Status GdipGetImageHeight(GpImage* image, UINT* height) {
    if (!height) return InvalidParameter;
    *height = 0;
    auto* found = FindGp<GpImageObject>(image, GpKind::Image);
    if (!found) return InvalidParameter;
    *height = static_cast<UINT>(found->surface->height());
    return Ok;
}

}  // namespace Gdiplus
