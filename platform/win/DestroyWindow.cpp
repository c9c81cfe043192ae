// Window destruction, in the real system's order: the window is hidden, the windows it owns are
// destroyed, WM_DESTROY goes to the window and then down to its children, WM_NCDESTROY goes up
// from the deepest children to the window, and each record is dropped after its WM_NCDESTROY.
// Every step looks the window up again: any handler may destroy windows itself.

#include "platform/win/WindowSystem.h"

#include <algorithm>

using namespace qx::win;

namespace {

void SendDestroyDownwards(HWND hwnd) {
    if (!Find(hwnd)) return;
    SendMessageW(hwnd, WM_DESTROY, 0, 0);
    Window* window = Find(hwnd);
    if (!window) return;
    const std::vector<HWND> children = window->children;
    for (HWND child : children) {
        Window* record = Find(child);
        if (!record || record->destroying) continue;
        record->destroying = true;
        SendDestroyDownwards(child);
    }
}

void DropRecord(HWND hwnd) {
    ThreadState& state = State();
    Window* window = Find(hwnd);
    if (!window) return;
    if (IsTopLevel(*window)) {
        TheBackend().DestroyNativeWindow(hwnd);
    } else if (Window* parent = Find(window->parent)) {
        std::erase(parent->children, hwnd);
    }
    --window->windowClass->liveWindows;
    state.timers.RemoveFor(hwnd);
    state.queue.RemoveFor(hwnd);
    ForgetWindow(hwnd);
    state.windows.Remove(hwnd);
}

}  // namespace

void qx::win::DropWindowRecord(HWND hwnd) {
    Window* window = Find(hwnd);
    if (!window) return;
    const std::vector<HWND> children = window->children;
    for (HWND child : children) DropWindowRecord(child);
    DropRecord(hwnd);
}

namespace {

void FinishUpwards(HWND hwnd) {
    Window* window = Find(hwnd);
    if (!window) return;
    const std::vector<HWND> children = window->children;
    for (HWND child : children) FinishUpwards(child);
    if (!Find(hwnd)) return;
    SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
    DropRecord(hwnd);
}

bool IsInside(HWND hwnd, HWND ancestor) {
    for (Window* w = Find(hwnd); w; w = IsTopLevel(*w) ? nullptr : Find(w->parent)) {
        if (w->hwnd == ancestor) return true;
    }
    return false;
}

}  // namespace

BOOL DestroyWindow(HWND hwnd) {
    ThreadState& state = State();
    Window* window = Find(hwnd);
    if (!window || window->destroying) return FALSE;
    window->destroying = true;
    const bool wasActive = state.active == hwnd;
    const HWND owner = window->owner;

    if (window->style & WS_VISIBLE) {
        ApplyWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Owned pop-ups go first, each completely.
    std::vector<HWND> owned;
    for (HWND top : state.windows.TopLevels()) {
        Window* record = Find(top);
        if (record && record->owner == hwnd) owned.push_back(top);
    }
    for (HWND popup : owned) DestroyWindow(popup);

    // Focus and capture inside the window go quietly; its handlers must not see them any more.
    if (IsInside(state.focus, hwnd)) state.focus = nullptr;
    if (IsInside(state.capture, hwnd)) state.capture = nullptr;

    SendDestroyDownwards(hwnd);
    FinishUpwards(hwnd);

    if (wasActive && state.active == hwnd) state.active = nullptr;
    if (wasActive && !state.active) {
        Window* next = Find(owner);
        if (next && IsShown(*next) && !(next->style & (WS_DISABLED | WS_MINIMIZE))) Activate(owner, WA_ACTIVE, true);
    }
    if (hwnd == state.mainWindow) {
        state.mainWindow = nullptr;
        PostQuitMessage(0);
    }
    return TRUE;
}
