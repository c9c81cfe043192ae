// Activation (which top-level window is in front and gets the keyboard), the keyboard focus,
// and enabling. Each change tells both sides, naming the other one.

#include "platform/win/WindowSystem.h"

using namespace qx::win;

namespace {

bool IsSelfOrDescendant(HWND hwnd, HWND ancestor) {
    for (Window* w = Find(hwnd); w; w = IsTopLevel(*w) ? nullptr : Find(w->parent)) {
        if (w->hwnd == ancestor) return true;
    }
    return false;
}

// A window takes the focus only when it and every parent are enabled.
bool CanTakeFocus(const Window& window) {
    for (const Window* w = &window; w; w = IsTopLevel(*w) ? nullptr : Find(w->parent)) {
        if (w->style & WS_DISABLED) return false;
    }
    return true;
}

WPARAM ActivateParam(WORD how, HWND hwnd) {
    Window* window = Find(hwnd);
    return MAKEWPARAM(how, window && (window->style & WS_MINIMIZE) ? 1 : 0);
}

}  // namespace

void qx::win::Activate(HWND hwnd, WORD how, bool giveFocus) {
    ThreadState& state = State();
    HWND root = RootOf(hwnd);
    if (!root) return;
    if (state.active != root) {
        HWND previous = state.active;
        state.active = root;
        if (Find(previous)) SendMessageW(previous, WM_ACTIVATE, ActivateParam(WA_INACTIVE, previous), reinterpret_cast<LPARAM>(root));
        if (state.active != root || !Find(root)) return;
        RaiseTopLevel(root);
        if (IsShown(*Find(root))) TheBackend().RaiseNativeWindow(root, true);
        SendMessageW(root, WM_ACTIVATE, ActivateParam(how, root), reinterpret_cast<LPARAM>(Find(previous) ? previous : nullptr));
        if (state.active != root || !Find(root)) return;
    }
    // A handler of WM_ACTIVATE may have put the focus on a control already.
    if (giveFocus && RootOf(state.focus) != root) SetFocus(root);
}

void qx::win::ForgetWindow(HWND hwnd) {
    ThreadState& state = State();
    if (state.focus == hwnd) state.focus = nullptr;
    if (state.active == hwnd) state.active = nullptr;
    if (state.capture == hwnd) state.capture = nullptr;
    if (state.pointer.trackWindow == hwnd) {
        state.pointer.trackWindow = nullptr;
        state.pointer.trackFlags = 0;
    }
    if (state.pointer.lastPressWindow == hwnd) state.pointer.hasLastPress = false;
    if (state.paintHandedOut == hwnd) state.paintHandedOut = nullptr;
}

HWND SetFocus(HWND hwnd) {
    ThreadState& state = State();
    HWND previous = state.focus;
    if (!hwnd) {
        state.focus = nullptr;
        if (Find(previous)) SendMessageW(previous, WM_KILLFOCUS, 0, 0);
        return Find(previous) ? previous : nullptr;
    }
    Window* window = Find(hwnd);
    if (!window || !CanTakeFocus(*window) || (window->style & WS_MINIMIZE)) return nullptr;
    if (hwnd == previous) return previous;
    HWND root = RootOf(hwnd);
    if (state.active != root) {
        Activate(root, WA_ACTIVE, false);
        if (!Find(hwnd)) return nullptr;
        previous = state.focus;
        if (hwnd == previous) return previous;
    }
    state.focus = hwnd;
    if (Find(previous)) SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (state.focus == hwnd && Find(hwnd)) {
        SendMessageW(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(Find(previous) ? previous : nullptr), 0);
    }
    return Find(previous) ? previous : nullptr;
}

HWND GetFocus() { return State().focus; }

HWND SetActiveWindow(HWND hwnd) {
    HWND previous = State().active;
    if (!Find(hwnd)) return nullptr;
    Activate(hwnd, WA_ACTIVE, true);
    return previous;
}

HWND GetActiveWindow() { return State().active; }

BOOL SetForegroundWindow(HWND hwnd) {
    if (!Find(hwnd)) return FALSE;
    Activate(hwnd, WA_ACTIVE, true);
    return TRUE;
}

HWND GetForegroundWindow() { return State().active; }

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* window = Find(hwnd);
    if (!window) return FALSE;
    const BOOL wasDisabled = (window->style & WS_DISABLED) ? TRUE : FALSE;
    if (wasDisabled == !enable) return wasDisabled;
    if (enable) {
        window->style &= ~WS_DISABLED;
    } else {
        window->style |= WS_DISABLED;
        ThreadState& state = State();
        if (IsSelfOrDescendant(state.focus, hwnd)) SetFocus(nullptr);
        if (IsSelfOrDescendant(state.capture, hwnd)) ReleaseCapture();
    }
    if (Find(hwnd)) SendMessageW(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* window = Find(hwnd);
    return window && !(window->style & WS_DISABLED) ? TRUE : FALSE;
}

void SwitchToThisWindow(HWND hwnd, BOOL) {
    Window* window = Find(hwnd);
    if (!window) return;
    if (window->style & WS_MINIMIZE) {
        ShowWindow(hwnd, SW_RESTORE);
    } else if (!(window->style & WS_VISIBLE)) {
        ShowWindow(hwnd, SW_SHOW);
    }
    if (!Find(hwnd)) return;
    Activate(hwnd, WA_ACTIVE, true);
}
