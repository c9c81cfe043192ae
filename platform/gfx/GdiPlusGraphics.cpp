#include "platform/gfx/GdiPlus.h"

#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/GdiPlusObjects.h"

#include <algorithm>

using namespace qx::gfx::detail;

namespace Gdiplus {

namespace {

struct Rect {
    double x, y, width, height;
};

void SetColor(cairo_t* cr, ARGB color) {
    cairo_set_source_rgba(cr, ((color >> 16) & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, (color & 0xFF) / 255.0,
                          (color >> 24) / 255.0);
}

// An image drawn at its own size: one pixman composite of the source rectangle onto the
// destination, within the Graphics' clip. Source pixels outside the image are transparent.
void DrawNatural(GpGraphicsObject& g, GpImageObject& img, const Rect& dst, const Rect& src) {
    pixman_image_t* to = g.Pixels();
    pixman_image_t* from = img.pixels.Of(img.surface->cairo());
    if (!to || !from) return;
    cairo_surface_t* target = cairo_get_target(g.cr);
    cairo_surface_flush(img.surface->cairo());
    cairo_surface_flush(target);
    // Cut to the clip in wide integers: pixman's coordinates are 32-bit and must not overflow.
    const long long dx = static_cast<long long>(dst.x) + g.origin.x, dy = static_cast<long long>(dst.y) + g.origin.y;
    const long long left = std::max<long long>(dx, g.clip.left), top = std::max<long long>(dy, g.clip.top);
    const long long right = std::min<long long>(dx + static_cast<long long>(dst.width), g.clip.right);
    const long long bottom = std::min<long long>(dy + static_cast<long long>(dst.height), g.clip.bottom);
    if (right <= left || bottom <= top) return;
    const int x = static_cast<int>(left), y = static_cast<int>(top);
    const int width = static_cast<int>(right - left), height = static_cast<int>(bottom - top);
    const long long sx = static_cast<long long>(src.x) + (left - dx), sy = static_cast<long long>(src.y) + (top - dy);
    if (sx >= pixman_image_get_width(from) || sy >= pixman_image_get_height(from) || sx + width <= 0 || sy + height <= 0)
        return;
    pixman_image_composite32(PIXMAN_OP_OVER, from, nullptr, to, static_cast<int>(sx), static_cast<int>(sy), 0, 0, x, y,
                             width, height);
    cairo_surface_mark_dirty_rectangle(target, x, y, width, height);
}

// An image stretched: only the source rectangle is sampled (a sub-surface, padded at its
// edges), so neither neighbouring frames of a strip nor transparency bleed into the edges.
void DrawStretched(GpGraphicsObject& g, cairo_surface_t* image, int imageWidth, int imageHeight, Rect dst, Rect src) {
    cairo_t* cr = g.cr;
    const double scaleX = dst.width / src.width;
    const double scaleY = dst.height / src.height;
    const double left = std::max(src.x, 0.0), right = std::min(src.x + src.width, static_cast<double>(imageWidth));
    const double top = std::max(src.y, 0.0), bottom = std::min(src.y + src.height, static_cast<double>(imageHeight));
    if (left >= right || top >= bottom) return;
    dst = Rect{dst.x + (left - src.x) * scaleX, dst.y + (top - src.y) * scaleY, (right - left) * scaleX,
               (bottom - top) * scaleY};
    cairo_surface_t* part = cairo_surface_create_for_rectangle(image, left, top, right - left, bottom - top);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(part);
    cairo_matrix_t matrix;
    cairo_matrix_init_scale(&matrix, 1 / scaleX, 1 / scaleY);
    cairo_matrix_translate(&matrix, -dst.x, -dst.y);
    cairo_pattern_set_matrix(pattern, &matrix);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    const bool shrinksMuch = std::abs(scaleX) < 0.5 || std::abs(scaleY) < 0.5;
    cairo_pattern_set_filter(pattern, shrinksMuch ? CAIRO_FILTER_GOOD : CAIRO_FILTER_BILINEAR);
    cairo_set_source(cr, pattern);
    // Fill only the part inside the clip: cairo's fixed-point coordinates cannot hold the huge
    // rectangles a caller may pass.
    const double visibleLeft = std::max(std::min(dst.x, dst.x + dst.width), double(g.clip.left - g.origin.x));
    const double visibleRight = std::min(std::max(dst.x, dst.x + dst.width), double(g.clip.right - g.origin.x));
    const double visibleTop = std::max(std::min(dst.y, dst.y + dst.height), double(g.clip.top - g.origin.y));
    const double visibleBottom = std::min(std::max(dst.y, dst.y + dst.height), double(g.clip.bottom - g.origin.y));
    if (visibleLeft < visibleRight && visibleTop < visibleBottom) {
        cairo_rectangle(cr, visibleLeft, visibleTop, visibleRight - visibleLeft, visibleBottom - visibleTop);
        cairo_fill(cr);
    }
    cairo_pattern_destroy(pattern);
    cairo_surface_destroy(part);
}

Status DrawImage(GpGraphics* graphics, GpImage* image, const Rect& dst, const Rect& src) {
    auto* g = FindGp<GpGraphicsObject>(graphics, GpKind::Graphics);
    auto* img = FindGp<GpImageObject>(image, GpKind::Image);
    if (!g || !img) return InvalidParameter;
    if (src.width <= 0 || src.height <= 0 || dst.width == 0 || dst.height == 0) return Ok;
    const qx::gfx::Surface& pixels = *img->surface;
    const bool natural = dst.width == src.width && dst.height == src.height;
    if (img->surface == g->target) {
        // Drawing an image onto itself reads from a copy.
        auto copy = std::make_shared<qx::gfx::Surface>(pixels.width(), pixels.height());
        cairo_t* copier = cairo_create(copy->cairo());
        cairo_set_source_surface(copier, pixels.cairo(), 0, 0);
        cairo_paint(copier);
        cairo_destroy(copier);
        GpImageObject snapshot(std::move(copy));
        if (natural) DrawNatural(*g, snapshot, dst, src);
        else DrawStretched(*g, snapshot.surface->cairo(), pixels.width(), pixels.height(), dst, src);
        cairo_set_source_rgba(g->cr, 0, 0, 0, 0);
        return Ok;
    }
    if (natural) DrawNatural(*g, *img, dst, src);
    else DrawStretched(*g, pixels.cairo(), pixels.width(), pixels.height(), dst, src);
    return Ok;
}

}  // namespace

Status GdipCreateFromHDC(HDC hdc, GpGraphics** graphics) {
    if (!graphics) return InvalidParameter;
    *graphics = nullptr;
    const auto dc = FindDC(hdc);
    if (!dc) return InvalidParameter;
    cairo_t* cr = CreateCairo(*dc);
    if (!cr) return InvalidParameter;
    *graphics = AddGp<GpGraphics>(std::make_shared<GpGraphicsObject>(dc->DrawSurface(), cr, dc->DeviceClip(), dc->origin));
    return Ok;
}

Status GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics) {
    if (!graphics) return InvalidParameter;
    *graphics = nullptr;
    auto* img = FindGp<GpImageObject>(image, GpKind::Image);
    if (!img) return InvalidParameter;
    const RECT all{0, 0, img->surface->width(), img->surface->height()};
    *graphics = AddGp<GpGraphics>(
        std::make_shared<GpGraphicsObject>(img->surface, cairo_create(img->surface->cairo()), all, POINT{}));
    return Ok;
}

Status GdipDeleteGraphics(GpGraphics* graphics) {
    return RemoveGp(graphics, GpKind::Graphics) ? Ok : InvalidParameter;
}

Status GdipGraphicsClear(GpGraphics* graphics, ARGB color) {
    auto* g = FindGp<GpGraphicsObject>(graphics, GpKind::Graphics);
    if (!g) return InvalidParameter;
    cairo_set_operator(g->cr, CAIRO_OPERATOR_SOURCE);
    SetColor(g->cr, color);
    cairo_paint(g->cr);
    cairo_set_operator(g->cr, CAIRO_OPERATOR_OVER);
    return Ok;
}

Status GdipDrawImageRectI(GpGraphics* graphics, GpImage* image, INT x, INT y, INT width, INT height) {
    auto* img = FindGp<GpImageObject>(image, GpKind::Image);
    if (!img) return InvalidParameter;
    return DrawImage(graphics, image, Rect{double(x), double(y), double(width), double(height)},
                     Rect{0, 0, double(img->surface->width()), double(img->surface->height())});
}

Status GdipDrawImageRectRectI(GpGraphics* graphics, GpImage* image, INT dstx, INT dsty, INT dstwidth, INT dstheight,
                              INT srcx, INT srcy, INT srcwidth, INT srcheight, GpUnit srcUnit,
                              const GpImageAttributes* imageAttributes, DrawImageAbort callback, void*) {
    if (srcUnit != UnitPixel) return NotImplemented;
    if (imageAttributes || callback) return NotImplemented;
    return DrawImage(graphics, image, Rect{double(dstx), double(dsty), double(dstwidth), double(dstheight)},
                     Rect{double(srcx), double(srcy), double(srcwidth), double(srcheight)});
}

}  // namespace Gdiplus
