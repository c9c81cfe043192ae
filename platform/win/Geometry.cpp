// Rectangles and coordinate mapping. Windows have no frame: the client area is the window.

#include "platform/win/WindowSystem.h"

using namespace qx::win;

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
    Window* window = Find(hwnd);
    if (!window || !rect) return FALSE;
    POINT origin = ClientOriginOnScreen(*window);
    *rect = {origin.x, origin.y, origin.x + Width(window->rect), origin.y + Height(window->rect)};
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
    Window* window = Find(hwnd);
    if (!window || !rect) return FALSE;
    *rect = ClientRect(*window);
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point) {
    Window* window = Find(hwnd);
    if (!window || !point) return FALSE;
    POINT origin = ClientOriginOnScreen(*window);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point) {
    Window* window = Find(hwnd);
    if (!window || !point) return FALSE;
    POINT origin = ClientOriginOnScreen(*window);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    POINT fromOrigin{};
    POINT toOrigin{};
    if (from) {
        Window* window = Find(from);
        if (!window) return 0;
        fromOrigin = ClientOriginOnScreen(*window);
    }
    if (to) {
        Window* window = Find(to);
        if (!window) return 0;
        toOrigin = ClientOriginOnScreen(*window);
    }
    const LONG dx = fromOrigin.x - toOrigin.x;
    const LONG dy = fromOrigin.y - toOrigin.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement) {
    Window* window = Find(hwnd);
    if (!window || !placement) return FALSE;
    placement->flags = window->restoreToMaximized ? 2 : 0;
    placement->showCmd = !(window->style & WS_VISIBLE) ? SW_HIDE
                         : (window->style & WS_MINIMIZE) ? SW_SHOWMINIMIZED
                         : (window->style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
                                                         : SW_SHOWNORMAL;
    placement->rcNormalPosition = window->normalRect;
    return TRUE;
}
