#include "platform/gfx/Gdi.h"

#include "platform/gfx/GdiObjects.h"

#include <algorithm>

using namespace qx::gfx::detail;

namespace {

void SetOpaqueColor(cairo_t* cr, COLORREF color) {
    cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
}

}  // namespace

int FillRect(HDC hdc, const RECT* rect, HBRUSH hbrush) {
    const auto dc = FindDC(hdc);
    const auto brush = FindBrush(hbrush);
    if (!dc || !brush || !rect) return FALSE;
    const qx::gfx::SurfacePtr surface = dc->DrawSurface();
    if (!surface) return FALSE;
    if (brush->hollow) return TRUE;
    // Cut to the clip in wide integers first: cairo's fixed-point coordinates cannot hold the
    // huge rectangles callers pass to mean "everything".
    const RECT clip = dc->DeviceClip();
    const long long left = std::max<long long>(static_cast<long long>(rect->left) + dc->origin.x, clip.left);
    const long long top = std::max<long long>(static_cast<long long>(rect->top) + dc->origin.y, clip.top);
    const long long right = std::min<long long>(static_cast<long long>(rect->right) + dc->origin.x, clip.right);
    const long long bottom = std::min<long long>(static_cast<long long>(rect->bottom) + dc->origin.y, clip.bottom);
    if (right <= left || bottom <= top) return TRUE;
    cairo_t* cr = cairo_create(surface->cairo());
    // GDI writes the brush colour as it is: the pixels become opaque whatever was there.
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    SetOpaqueColor(cr, brush->color);
    cairo_rectangle(cr, left, top, right - left, bottom - top);
    cairo_fill(cr);
    cairo_destroy(cr);
    return TRUE;
}

BOOL BitBlt(HDC hdcDest, int x, int y, int width, int height, HDC hdcSource, int sourceX, int sourceY, DWORD rop) {
    const auto dest = FindDC(hdcDest);
    const auto source = FindDC(hdcSource);
    if (!dest || !source || rop != SRCCOPY) return FALSE;
    const qx::gfx::SurfacePtr from = source->DrawSurface();
    if (!from || width <= 0 || height <= 0) return from != nullptr;
    cairo_t* cr = CreateCairo(*dest);
    if (!cr) return FALSE;
    cairo_surface_t* pixels = from->cairo();
    cairo_surface_t* copy = nullptr;
    if (dest->DrawSurface() == from) {
        // Copying within one surface: read from a snapshot so overlapping areas stay right.
        copy = cairo_surface_create_similar_image(pixels, CAIRO_FORMAT_ARGB32, from->width(), from->height());
        cairo_t* copier = cairo_create(copy);
        cairo_set_source_surface(copier, pixels, 0, 0);
        cairo_set_operator(copier, CAIRO_OPERATOR_SOURCE);
        cairo_paint(copier);
        cairo_destroy(copier);
        pixels = copy;
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    const double left = sourceX + source->origin.x;
    const double top = sourceY + source->origin.y;
    cairo_set_source_surface(cr, pixels, x - left, y - top);
    cairo_rectangle(cr, x, y, width, height);
    cairo_fill(cr);
    cairo_destroy(cr);
    if (copy) cairo_surface_destroy(copy);
    return TRUE;
}
