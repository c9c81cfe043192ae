// The screen image and copies of window images.

#include "platform/win/Composition.h"

#include "platform/win/LayeredEffects.h"
#include "platform/win/WindowComposer.h"
#include "platform/win/WindowSystem.h"

using namespace qx::win;

namespace {

qx::gfx::SurfacePtr& ScreenBuffer() {
    static qx::gfx::SurfacePtr s_screen;
    return s_screen;
}

qx::gfx::SurfacePtr TakeScreenBuffer(int width, int height) {
    qx::gfx::SurfacePtr& buffer = ScreenBuffer();
    // A caller still holding the last image keeps it; the new one goes into a new buffer.
    if (!buffer || buffer.use_count() > 1) {
        buffer = std::make_shared<qx::gfx::Surface>(width, height);
    } else if (buffer->width() != width || buffer->height() != height) {
        buffer->Resize(width, height);
    }
    return buffer;
}

bool IsOnScreen(const Window& window) {
    return (window.style & WS_VISIBLE) && !(window.style & WS_MINIMIZE) && !IsEmpty(window.rect);
}

}  // namespace

namespace qx::win {

gfx::SurfacePtr ComposeWindowImage(HWND hwnd) {
    const Window* window = Find(hwnd);
    if (!window) return nullptr;
    auto copy = std::make_shared<gfx::Surface>(Width(window->rect), Height(window->rect));
    cairo_t* cr = cairo_create(copy->cairo());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    if (IsTopLevel(*window)) {
        cairo_set_source_surface(cr, ComposedImage(*window).cairo(), 0, 0);
        cairo_paint(cr);
    } else {
        cairo_set_source_surface(cr, window->surface->cairo(), 0, 0);
        cairo_paint(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        DrawChildren(cr, *window);
    }
    cairo_destroy(cr);
    return copy;
}

gfx::SurfacePtr ComposeScreenImage() {
    const RECT screen = TheBackend().ScreenRect();
    gfx::SurfacePtr image = TakeScreenBuffer(Width(screen), Height(screen));
    cairo_t* cr = cairo_create(image->cairo());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgb(cr, GetRValue(kDesktopColor) / 255.0, GetGValue(kDesktopColor) / 255.0,
                         GetBValue(kDesktopColor) / 255.0);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    const std::vector<HWND>& order = State().windows.TopLevels();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const Window* window = Find(*it);
        if (!window || !IsOnScreen(*window)) continue;
        const gfx::Surface& shown = ComposedImage(*window);
        const int x = window->rect.left - screen.left;
        const int y = window->rect.top - screen.top;
        cairo_save(cr);
        cairo_rectangle(cr, x, y, Width(window->rect), Height(window->rect));
        cairo_clip(cr);
        if (HasLayeredLook(*window)) {
            cairo_set_source_surface(cr, shown.cairo(), x, y);
            cairo_paint(cr);
        } else {
            PaintOpaque(cr, shown, x, y);
        }
        cairo_restore(cr);
    }
    cairo_destroy(cr);
    return image;
}

bool SaveScreenshot(const std::string& path) { return ComposeScreenImage()->WritePng(path); }

bool SaveWindowImage(HWND hwnd, const std::string& path) {
    gfx::SurfacePtr image = ComposeWindowImage(hwnd);
    return image && image->width() > 0 && image->height() > 0 && image->WritePng(path);
}

}  // namespace qx::win
