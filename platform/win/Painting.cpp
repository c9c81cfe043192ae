// Invalidation, WM_PAINT support and device contexts over window surfaces, and the hand-over of
// finished top-level images to the backend.

#include "platform/gfx/DeviceContext.h"
#include "platform/win/WindowComposer.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>

using namespace qx::win;

namespace {

qx::gfx::SurfacePtr g_screenSurface;

RECT Intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    return IsEmpty(r) ? RECT{} : r;
}

// Takes its rectangles by value: GCC 12 at -O3 mistakes references into the caller's locals for
// dangling pointers.
RECT Union(RECT a, RECT b) {
    if (IsEmpty(a)) return b;
    if (IsEmpty(b)) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// The update region is one rectangle: removing part of it keeps the bounding rectangle of what
// is left, which may repaint a little more than needed but never less.
RECT Subtract(const RECT& from, const RECT& cut) {
    RECT overlap = Intersect(from, cut);
    if (IsEmpty(overlap)) return from;
    const bool fullWidth = overlap.left == from.left && overlap.right == from.right;
    const bool fullHeight = overlap.top == from.top && overlap.bottom == from.bottom;
    if (fullWidth && fullHeight) return {};
    RECT rest = from;
    if (fullWidth && overlap.top == from.top) rest.top = overlap.bottom;
    else if (fullWidth && overlap.bottom == from.bottom) rest.bottom = overlap.top;
    else if (fullHeight && overlap.left == from.left) rest.left = overlap.right;
    else if (fullHeight && overlap.right == from.right) rest.right = overlap.left;
    return rest;
}

void Validate(Window& window) {
    window.updateRect = {};
    window.needErase = false;
}

HWND FindToPaintBelow(HWND hwnd, const std::function<bool(HWND)>& matches) {
    Window* window = Find(hwnd);
    if (!window || !(window->style & WS_VISIBLE)) return nullptr;
    if (!IsEmpty(window->updateRect) && matches(hwnd)) return hwnd;
    for (HWND child : window->children) {
        if (HWND found = FindToPaintBelow(child, matches)) return found;
    }
    return nullptr;
}

}  // namespace

namespace qx::win {

void Invalidate(Window& window, const RECT* clientRect, bool erase) {
    RECT client = ClientRect(window);
    RECT area = clientRect ? Intersect(*clientRect, client) : client;
    if (IsEmpty(area)) return;
    window.updateRect = Union(window.updateRect, area);
    if (erase) window.needErase = true;
    ++window.invalidSerial;
}

void ResizeSurface(Window& window) {
    window.surface->Resize(Width(window.rect), Height(window.rect));
    Invalidate(window, nullptr, true);
}

void MarkForPresent(HWND hwnd) {
    if (Window* root = Find(RootOf(hwnd))) root->needsPresent = true;
}

void PresentPendingWindows() {
    for (HWND top : State().windows.TopLevels()) {
        Window* window = Find(top);
        if (!window || !window->needsPresent || !(window->style & WS_VISIBLE)) continue;
        // Composed before the mark is cleared: the mark is what tells a kept image is stale.
        const gfx::Surface& image = ComposedImage(*window);
        window->needsPresent = false;
        TheBackend().Present(top, image);
    }
}

HWND FindWindowToPaint(const std::function<bool(HWND)>& matches) {
    for (HWND top : State().windows.TopLevels()) {
        if (HWND found = FindToPaintBelow(top, matches)) return found;
    }
    return nullptr;
}

void ResetScreenSurface() { g_screenSurface.reset(); }

// A paint that left the window invalid without invalidating it again is done all the same:
// otherwise a window that ignores WM_PAINT would be painted for ever.
void SettleHandedOutPaint() {
    ThreadState& state = State();
    Window* window = Find(state.paintHandedOut);
    if (window && window->invalidSerial == state.paintSerial) Validate(*window);
    state.paintHandedOut = nullptr;
}

}  // namespace qx::win

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    if (!hwnd) {
        for (HWND top : State().windows.TopLevels()) InvalidateRect(top, nullptr, erase);
        return TRUE;
    }
    Window* window = Find(hwnd);
    if (!window) return FALSE;
    Invalidate(*window, rect, erase != FALSE);
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    Window* window = Find(hwnd);
    if (!window) return FALSE;
    if (!rect) {
        Validate(*window);
    } else {
        window->updateRect = Subtract(window->updateRect, *rect);
        if (IsEmpty(window->updateRect)) Validate(*window);
    }
    return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
    Window* window = Find(hwnd);
    if (!window) return FALSE;
    if (!IsShown(*window) || IsEmpty(window->updateRect)) return TRUE;
    const unsigned serial = window->invalidSerial;
    SendMessageW(hwnd, WM_PAINT, 0, 0);
    window = Find(hwnd);
    if (window && window->invalidSerial == serial) Validate(*window);
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase) {
    Window* window = Find(hwnd);
    if (!window) return FALSE;
    if (rect) *rect = window->updateRect;
    const bool hasUpdate = !IsEmpty(window->updateRect);
    if (erase && hasUpdate && window->needErase) {
        window->needErase = false;
        RECT clip = window->updateRect;
        HDC dc = qx::gfx::CreateSurfaceDC(window->surface, &clip);
        SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        DeleteDC(dc);
    }
    return hasUpdate ? TRUE : FALSE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
    Window* window = Find(hwnd);
    if (!window || !paint) return nullptr;
    *paint = PAINTSTRUCT{};
    paint->rcPaint = window->updateRect;
    const bool erase = window->needErase;
    Validate(*window);
    HDC dc = qx::gfx::CreateSurfaceDC(window->surface, &paint->rcPaint);
    paint->hdc = dc;
    if (erase) paint->fErase = SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
    return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    if (paint) DeleteDC(paint->hdc);
    MarkForPresent(hwnd);
    return TRUE;
}

HDC GetDC(HWND hwnd) {
    if (!hwnd) {
        RECT screen = TheBackend().ScreenRect();
        if (!g_screenSurface || g_screenSurface->width() != Width(screen) || g_screenSurface->height() != Height(screen)) {
            g_screenSurface = std::make_shared<qx::gfx::Surface>(Width(screen), Height(screen));
        }
        return qx::gfx::CreateSurfaceDC(g_screenSurface);
    }
    Window* window = Find(hwnd);
    return window ? qx::gfx::CreateSurfaceDC(window->surface) : nullptr;
}

int ReleaseDC(HWND hwnd, HDC hdc) {
    if (!DeleteDC(hdc)) return 0;
    if (hwnd) MarkForPresent(hwnd);
    return 1;
}
