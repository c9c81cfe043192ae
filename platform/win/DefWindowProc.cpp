// The default answers to messages a window procedure does not handle itself.

#include "platform/gfx/Gdi.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>

using namespace qx::win;

namespace {

LRESULT SetText(HWND hwnd, LPARAM lParam) {
    Window* window = Find(hwnd);
    auto text = reinterpret_cast<LPCWSTR>(lParam);
    window->text = text ? std::u16string(text) : std::u16string();
    if (IsTopLevel(*window)) TheBackend().SetNativeTitle(hwnd, window->text);
    return TRUE;
}

LRESULT GetText(HWND hwnd, WPARAM maxCount, LPARAM lParam) {
    auto* buffer = reinterpret_cast<WCHAR*>(lParam);
    if (!buffer || maxCount == 0) return 0;
    const std::u16string& text = Find(hwnd)->text;
    std::size_t count = std::min<std::size_t>(text.size(), maxCount - 1);
    std::copy_n(text.begin(), count, buffer);
    buffer[count] = 0;
    return static_cast<LRESULT>(count);
}

// Class brushes may be a system colour index plus one, as on the real system.
LRESULT EraseBackground(HWND hwnd, WPARAM wParam) {
    HBRUSH brush = Find(hwnd)->windowClass->background;
    if (!brush) return 0;
    auto hdc = reinterpret_cast<HDC>(wParam);
    RECT client = ClientRect(*Find(hwnd));
    const auto value = IdFromHandle(brush);
    if (value <= 31) {
        COLORREF color = value - 1 == static_cast<std::uintptr_t>(COLOR_WINDOW) ? RGB(255, 255, 255) : RGB(240, 240, 240);
        HBRUSH solid = CreateSolidBrush(color);
        FillRect(hdc, &client, solid);
        DeleteObject(solid);
    } else {
        FillRect(hdc, &client, brush);
    }
    return TRUE;
}

LRESULT WindowPosChanged(HWND hwnd, LPARAM lParam) {
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (!(pos->flags & SWP_NOCLIENTMOVE)) {
        RECT rect = Find(hwnd)->rect;
        SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(rect.left), static_cast<WORD>(rect.top)));
    }
    Window* window = Find(hwnd);
    if (window && !(pos->flags & SWP_NOCLIENTSIZE)) {
        WPARAM type = (window->style & WS_MINIMIZE) ? SIZE_MINIMIZED : (window->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
        LPARAM size = type == SIZE_MINIMIZED ? 0 : MAKELPARAM(static_cast<WORD>(Width(window->rect)), static_cast<WORD>(Height(window->rect)));
        SendMessageW(hwnd, WM_SIZE, type, size);
    }
    return 0;
}

LRESULT SystemCommand(HWND hwnd, WPARAM command) {
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        SendMessageW(hwnd, WM_CLOSE, 0, 0);
        break;
    case SC_MOVE:
        // The low bits tell how the move was started (0xF012: by the caption with the mouse);
        // every form moves with the mouse here.
        if (IsTopLevel(*Find(hwnd)) && !IsIconic(hwnd) && !IsZoomed(hwnd)) {
            TheBackend().BeginInteractiveMove(hwnd, State().pointer.position);
        }
        break;
    case SC_MAXIMIZE:
        ShowWindow(hwnd, SW_MAXIMIZE);
        break;
    case SC_MINIMIZE:
        ShowWindow(hwnd, SW_MINIMIZE);
        break;
    case SC_RESTORE:
        ShowWindow(hwnd, SW_RESTORE);
        break;
    default:
        break;
    }
    return 0;
}

LRESULT SetIcon(HWND hwnd, WPARAM which, LPARAM lParam) {
    Window* window = Find(hwnd);
    HICON& slot = which == ICON_BIG ? window->bigIcon : window->smallIcon;
    HICON previous = slot;
    slot = reinterpret_cast<HICON>(lParam);
    return reinterpret_cast<LRESULT>(previous);
}

}  // namespace

LRESULT DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = Find(hwnd);
    if (!window) return 0;
    switch (message) {
    case WM_NCCREATE:
        return TRUE;
    case WM_SETTEXT:
        return SetText(hwnd, lParam);
    case WM_GETTEXT:
        return GetText(hwnd, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(window->text.size());
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SYSCOMMAND:
        return SystemCommand(hwnd, wParam);
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(hwnd, &paint);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return EraseBackground(hwnd, wParam);
    case WM_WINDOWPOSCHANGED:
        return WindowPosChanged(hwnd, lParam);
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_SETICON:
        return SetIcon(hwnd, wParam, lParam);
    case WM_GETICON:
        return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? window->bigIcon : window->smallIcon);
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(window->bigIcon);
    default:
        return 0;
    }
}
