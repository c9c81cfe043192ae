// Which window the mouse is over.

#include "platform/win/WindowComposer.h"
#include "platform/win/WindowSystem.h"

using namespace qx::win;

namespace {

// The deepest visible child under a point in hwnd's client coordinates. A disabled child takes
// no mouse input, so its parent gets it.
HWND DescendInto(HWND hwnd, POINT point) {
    Window* window = Find(hwnd);
    for (HWND childHandle : window->children) {
        Window* child = Find(childHandle);
        if (!child || !(child->style & WS_VISIBLE) || !Contains(child->rect, point)) continue;
        if (child->style & WS_DISABLED) return hwnd;
        return DescendInto(childHandle, {point.x - child->rect.left, point.y - child->rect.top});
    }
    return hwnd;
}

// Whether a top-level window lets the mouse through at a screen point to the window below.
bool IsTransparentToMouse(const Window& window, POINT screen) {
    // A layered window with WS_EX_TRANSPARENT never takes the mouse; otherwise it lets it through
    // where it shows nothing (colour-key pixels, pixels of alpha 0).
    if ((window.exStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT)) == (WS_EX_LAYERED | WS_EX_TRANSPARENT)) return true;
    return LetsMouseThrough(window, screen);
}

}  // namespace

HWND qx::win::HitTest(POINT screen) {
    for (HWND top : State().windows.TopLevels()) {
        Window* window = Find(top);
        if (!window || !(window->style & WS_VISIBLE) || (window->style & WS_MINIMIZE)) continue;
        if (!Contains(window->rect, screen) || IsTransparentToMouse(*window, screen)) continue;
        return DescendInto(top, {screen.x - window->rect.left, screen.y - window->rect.top});
    }
    return nullptr;
}

HWND WindowFromPoint(POINT point) { return qx::win::HitTest(point); }
