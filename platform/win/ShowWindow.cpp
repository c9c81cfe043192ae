// Showing, hiding, maximising, minimising and restoring. The size type of WM_SIZE follows the
// style bits WS_MAXIMIZE and WS_MINIMIZE, which are set before the rectangle changes.

#include "platform/win/WindowSystem.h"

#include <algorithm>

using namespace qx::win;
namespace backend = qx::backend;

namespace {

}  // namespace

MINMAXINFO qx::win::QueryMinMaxInfo(HWND hwnd) {
    RECT work = TheBackend().WorkArea();
    RECT screen = TheBackend().ScreenRect();
    MINMAXINFO info;
    info.ptMaxSize = {Width(work), Height(work)};
    info.ptMaxPosition = {work.left, work.top};
    info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.ptMaxTrackSize = {Width(screen), Height(screen)};
    SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

namespace {

bool ShowPlain(HWND hwnd, int command) {
    Window* window = Find(hwnd);
    const bool wasVisible = (window->style & WS_VISIBLE) != 0;
    const bool show = command != SW_HIDE;
    if (wasVisible == show) {
        if (command == SW_SHOW && IsTopLevel(*window)) Activate(hwnd, WA_ACTIVE, true);
        return wasVisible;
    }
    SendMessageW(hwnd, WM_SHOWWINDOW, show, 0);
    if (!Find(hwnd)) return wasVisible;
    UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (command != SW_SHOW) flags |= SWP_NOACTIVATE;
    ApplyWindowPos(hwnd, nullptr, 0, 0, 0, 0, flags);
    return wasVisible;
}

// Moves a window into a new state: shows it if hidden, gives it rect, and sends WM_SIZE with
// the new size type even when the size stayed.
void EnterState(HWND hwnd, DWORD stateBits, const RECT& rect, bool activate) {
    Window* window = Find(hwnd);
    const bool wasVisible = (window->style & WS_VISIBLE) != 0;
    if (!wasVisible) {
        SendMessageW(hwnd, WM_SHOWWINDOW, TRUE, 0);
        window = Find(hwnd);
        if (!window) return;
    }
    window->style = (window->style & ~(WS_MAXIMIZE | WS_MINIMIZE)) | stateBits;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | (wasVisible ? 0u : SWP_SHOWWINDOW);
    ApplyWindowPos(hwnd, nullptr, rect.left, rect.top, Width(rect), Height(rect), flags, true);
    window = Find(hwnd);
    if (window && activate && IsTopLevel(*window)) Activate(hwnd, WA_ACTIVE, true);
}

void LeaveMinimized(HWND hwnd) {
    if (Window* window = Find(hwnd); window && IsTopLevel(*window)) {
        TheBackend().ShowNativeWindow(hwnd, true);
        ShowOwnedPopups(hwnd, TRUE);
    }
}

void Maximize(HWND hwnd) {
    Window* window = Find(hwnd);
    const bool wasMinimized = (window->style & WS_MINIMIZE) != 0;
    if ((window->style & WS_MAXIMIZE) && !wasMinimized) {
        ShowPlain(hwnd, SW_SHOW);
        return;
    }
    RECT rect;
    if (IsTopLevel(*window)) {
        MINMAXINFO info = QueryMinMaxInfo(hwnd);
        if (!Find(hwnd)) return;
        LONG width = std::clamp(info.ptMaxSize.x, info.ptMinTrackSize.x, std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
        LONG height = std::clamp(info.ptMaxSize.y, info.ptMinTrackSize.y, std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
        rect = {info.ptMaxPosition.x, info.ptMaxPosition.y, info.ptMaxPosition.x + width, info.ptMaxPosition.y + height};
    } else {
        Window* parent = Find(window->parent);
        rect = parent ? ClientRect(*parent) : window->rect;
    }
    Find(hwnd)->restoreToMaximized = false;
    EnterState(hwnd, WS_MAXIMIZE, rect, true);
    if (wasMinimized) LeaveMinimized(hwnd);
}

void Minimize(HWND hwnd, bool deactivate) {
    Window* window = Find(hwnd);
    if (window->style & WS_MINIMIZE) {
        ShowPlain(hwnd, SW_SHOWNA);
        return;
    }
    window->restoreToMaximized = (window->style & WS_MAXIMIZE) != 0;
    if (IsTopLevel(*window)) ShowOwnedPopups(hwnd, FALSE);
    if (deactivate && State().active == hwnd) {
        State().active = nullptr;
        if (State().focus && RootOf(State().focus) == hwnd) SetFocus(nullptr);
        if (Find(hwnd)) SendMessageW(hwnd, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0);
    }
    window = Find(hwnd);
    if (!window) return;
    EnterState(hwnd, WS_MINIMIZE, window->rect, false);
    window = Find(hwnd);
    if (window && IsTopLevel(*window) && (window->style & WS_VISIBLE)) TheBackend().MinimizeNativeWindow(hwnd);
}

void Restore(HWND hwnd, int command) {
    Window* window = Find(hwnd);
    const bool wasMinimized = (window->style & WS_MINIMIZE) != 0;
    if (!wasMinimized && !(window->style & WS_MAXIMIZE)) {
        ShowPlain(hwnd, SW_SHOW);
        return;
    }
    if (wasMinimized && window->restoreToMaximized && command == SW_RESTORE) {
        Maximize(hwnd);
        return;
    }
    window->restoreToMaximized = false;
    RECT normal = window->normalRect;
    EnterState(hwnd, 0, normal, true);
    if (wasMinimized) LeaveMinimized(hwnd);
}

}  // namespace

BOOL ShowWindow(HWND hwnd, int command) {
    Window* window = Find(hwnd);
    if (!window) return FALSE;
    const BOOL wasVisible = (window->style & WS_VISIBLE) ? TRUE : FALSE;
    switch (command) {
    case SW_HIDE:
    case SW_SHOW:
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
        ShowPlain(hwnd, command);
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
        Restore(hwnd, command);
        break;
    case SW_MAXIMIZE:
        Maximize(hwnd);
        break;
    case SW_MINIMIZE:
    case SW_FORCEMINIMIZE:
        Minimize(hwnd, true);
        break;
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        Minimize(hwnd, false);
        break;
    default:
        break;
    }
    return wasVisible;
}

BOOL ShowOwnedPopups(HWND owner, BOOL show) {
    if (!Find(owner)) return FALSE;
    std::vector<HWND> owned;
    for (HWND top : State().windows.TopLevels()) {
        Window* record = Find(top);
        if (record && record->owner == owner) owned.push_back(top);
    }
    for (HWND popup : owned) {
        Window* record = Find(popup);
        if (!record) continue;
        if (!show && (record->style & WS_VISIBLE)) {
            SendMessageW(popup, WM_SHOWWINDOW, FALSE, SW_PARENTCLOSING);
            if (!Find(popup)) continue;
            ApplyWindowPos(popup, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            if (Window* hidden = Find(popup)) hidden->hiddenWithOwner = true;
        } else if (show && record->hiddenWithOwner) {
            record->hiddenWithOwner = false;
            SendMessageW(popup, WM_SHOWWINDOW, TRUE, SW_PARENTOPENING);
            if (!Find(popup)) continue;
            ApplyWindowPos(popup, nullptr, 0, 0, 0, 0,
                           SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    return TRUE;
}

BOOL IsWindowVisible(HWND hwnd) {
    Window* window = Find(hwnd);
    return window && IsShown(*window) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
    Window* window = Find(hwnd);
    return window && (window->style & WS_MAXIMIZE) ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd) {
    Window* window = Find(hwnd);
    return window && (window->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL CloseWindow(HWND hwnd) {
    if (!Find(hwnd)) return FALSE;
    ShowWindow(hwnd, SW_MINIMIZE);
    return TRUE;
}

namespace qx::win {

backend::NativeWindowStyle NativeStyleOf(const Window& window) {
    backend::NativeWindowStyle style;
    style.taskbarButton = !(window.exStyle & WS_EX_TOOLWINDOW) && (!window.owner || (window.exStyle & WS_EX_APPWINDOW));
    style.layered = (window.exStyle & WS_EX_LAYERED) != 0;
    style.noActivate = (window.exStyle & WS_EX_NOACTIVATE) != 0;
    style.owner = window.owner;
    return style;
}

void SyncNativeVisibility(const Window& window, bool activate) {
    if (!(window.style & WS_VISIBLE)) {
        TheBackend().HideNativeWindow(window.hwnd);
        return;
    }
    TheBackend().ShowNativeWindow(window.hwnd, activate && !(window.style & WS_MINIMIZE));
    if (window.style & WS_MINIMIZE) TheBackend().MinimizeNativeWindow(window.hwnd);
}

}  // namespace qx::win
