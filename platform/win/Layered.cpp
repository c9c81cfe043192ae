// Layered windows keep what composition needs in their record: the colour key and alpha of
// SetLayeredWindowAttributes, and the image UpdateLayeredWindow gives them.

#include "platform/gfx/DeviceContext.h"
#include "platform/win/WindowSystem.h"

#include <cairo.h>

using namespace qx::win;

namespace {

Window* FindLayered(HWND hwnd) {
    Window* window = Find(hwnd);
    return window && (window->exStyle & WS_EX_LAYERED) ? window : nullptr;
}

qx::gfx::SurfacePtr CopyArea(const qx::gfx::Surface& source, POINT from, SIZE size) {
    auto copy = std::make_shared<qx::gfx::Surface>(size.cx, size.cy);
    cairo_t* cr = cairo_create(copy->cairo());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, source.cairo(), -from.x, -from.y);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_mark_dirty(copy->cairo());
    return copy;
}

// Gives the window its new rectangle. Inside the window's own handling of a position change
// (its WM_SIZE handler drawing the image for the new size), the rectangle is taken without
// announcing it again: a handler that redraws for every size it is told would otherwise chase
// its own image size without end.
void Reposition(HWND hwnd, const RECT& rect) {
    Window* window = Find(hwnd);
    if (rect == window->rect) return;
    if (window->positionNotifyDepth == 0) {
        ApplyWindowPos(hwnd, nullptr, rect.left, rect.top, Width(rect), Height(rect), SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    const bool sized = Width(rect) != Width(window->rect) || Height(rect) != Height(window->rect);
    window->rect = rect;
    if (!(window->style & (WS_MAXIMIZE | WS_MINIMIZE))) window->normalRect = rect;
    if (sized) ResizeSurface(*window);
    if (IsTopLevel(*window)) TheBackend().SetNativeBounds(hwnd, rect);
}

}  // namespace

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF colorKey, BYTE alpha, DWORD flags) {
    Window* window = FindLayered(hwnd);
    if (!window) return FALSE;
    window->layered.hasAttributes = true;
    window->layered.colorKey = colorKey;
    window->layered.alpha = alpha;
    window->layered.flags = flags;
    MarkForPresent(hwnd);
    return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* colorKey, BYTE* alpha, DWORD* flags) {
    Window* window = FindLayered(hwnd);
    if (!window || !window->layered.hasAttributes) return FALSE;
    if (colorKey) *colorKey = window->layered.colorKey;
    if (alpha) *alpha = window->layered.alpha;
    if (flags) *flags = window->layered.flags;
    return TRUE;
}

BOOL UpdateLayeredWindow(HWND hwnd, HDC, POINT* destination, SIZE* size, HDC source, POINT* sourcePoint,
                         COLORREF colorKey, BLENDFUNCTION* blend, DWORD flags) {
    Window* window = FindLayered(hwnd);
    if (!window) return FALSE;
    SIZE area = size ? *size : SIZE{Width(window->rect), Height(window->rect)};
    if (area.cx < 0 || area.cy < 0) return FALSE;
    qx::gfx::SurfacePtr image;
    if (source) {
        qx::gfx::SurfacePtr pixels = qx::gfx::SurfaceOfDC(source);
        POINT from = sourcePoint ? *sourcePoint : POINT{};
        if (!pixels || from.x < 0 || from.y < 0 || from.x + area.cx > pixels->width() || from.y + area.cy > pixels->height()) {
            return FALSE;
        }
        image = CopyArea(*pixels, from, area);
    } else if (size && (area.cx != Width(window->rect) || area.cy != Height(window->rect))) {
        // A new size needs a new image.
        return FALSE;
    }
    if (image) window->layered.image = image;
    if (blend) window->layered.blend = *blend;
    window->layered.updateFlags = flags;
    window->layered.updateColorKey = colorKey;
    POINT at = destination ? *destination : POINT{window->rect.left, window->rect.top};
    Reposition(hwnd, {at.x, at.y, at.x + area.cx, at.y + area.cy});
    MarkForPresent(hwnd);
    return TRUE;
}
