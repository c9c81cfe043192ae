// Position, size, z-order and visibility changes: the one path every move, resize, restack,
// show and hide of a window takes.

#include "platform/win/WindowSystem.h"

#include <algorithm>

using namespace qx::win;

namespace {

bool IsRestackTarget(HWND insertAfter) {
    return insertAfter == HWND_TOP || insertAfter == HWND_BOTTOM || insertAfter == HWND_TOPMOST ||
           insertAfter == HWND_NOTOPMOST || Find(insertAfter);
}

RECT Union(const RECT& a, const RECT& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// What a child's change uncovers and covers is painted again by its parent.
void InvalidateUnderChild(Window& child, const RECT& oldRect, bool wasShown, bool moved, bool sized) {
    Window* parent = Find(child.parent);
    if (!parent) return;
    const bool shown = IsShown(child);
    if (wasShown && shown && (moved || sized)) {
        RECT both = Union(oldRect, child.rect);
        Invalidate(*parent, &both, true);
    } else if (wasShown != shown) {
        Invalidate(*parent, shown ? &child.rect : &oldRect, true);
    }
}

// The active window was hidden: its owner takes over, or nothing is active.
void HandOverActivation(HWND hidden) {
    ThreadState& state = State();
    if (state.active != hidden) return;
    Window* window = Find(hidden);
    Window* owner = window ? Find(window->owner) : nullptr;
    if (owner && IsShown(*owner) && !(owner->style & (WS_DISABLED | WS_MINIMIZE))) {
        Activate(owner->hwnd, WA_ACTIVE, true);
        return;
    }
    state.active = nullptr;
    if (state.focus && RootOf(state.focus) == hidden) SetFocus(nullptr);
    if (Find(hidden)) SendMessageW(hidden, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
}

}  // namespace

void qx::win::RaiseTopLevel(HWND hwnd) {
    std::vector<HWND>& order = State().windows.TopLevels();
    Restack(order, hwnd, HWND_TOP);
    // Owned windows stay above their owner, in their own order.
    std::vector<HWND> owned;
    for (HWND top : order) {
        Window* record = Find(top);
        if (record && record->owner == hwnd) owned.push_back(top);
    }
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) RaiseTopLevel(*it);
}

BOOL qx::win::ApplyWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags,
                             bool forceSize, bool forceMove) {
    ThreadState& state = State();
    Window* window = Find(hwnd);
    if (!window) return FALSE;
    if (!(flags & SWP_NOZORDER) && !IsRestackTarget(insertAfter)) return FALSE;

    WINDOWPOS pos{hwnd, insertAfter, x, y, width, height, flags};
    if (flags & SWP_NOMOVE) {
        pos.x = window->rect.left;
        pos.y = window->rect.top;
    }
    if (flags & SWP_NOSIZE) {
        pos.cx = Width(window->rect);
        pos.cy = Height(window->rect);
    }
    if (!(flags & SWP_NOSENDCHANGING)) {
        SendMessageW(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        window = Find(hwnd);
        if (!window) return FALSE;
    }
    flags = pos.flags;

    const RECT oldRect = window->rect;
    const bool wasShown = IsShown(*window);
    const bool wasVisible = (window->style & WS_VISIBLE) != 0;
    RECT rect = oldRect;
    if (!(flags & SWP_NOMOVE)) rect = {pos.x, pos.y, pos.x + Width(oldRect), pos.y + Height(oldRect)};
    if (!(flags & SWP_NOSIZE)) {
        rect.right = rect.left + std::max(pos.cx, 0);
        rect.bottom = rect.top + std::max(pos.cy, 0);
    }
    const bool moved = rect.left != oldRect.left || rect.top != oldRect.top;
    const bool sized = Width(rect) != Width(oldRect) || Height(rect) != Height(oldRect);
    window->rect = rect;
    if (!(window->style & (WS_MAXIMIZE | WS_MINIMIZE))) window->normalRect = rect;

    bool restacked = false;
    if (!(flags & SWP_NOZORDER)) {
        if (pos.hwndInsertAfter == HWND_TOPMOST) window->exStyle |= WS_EX_TOPMOST;
        if (pos.hwndInsertAfter == HWND_NOTOPMOST) window->exStyle &= ~WS_EX_TOPMOST;
        if (IsTopLevel(*window) && pos.hwndInsertAfter != HWND_BOTTOM && !Find(pos.hwndInsertAfter)) {
            std::vector<HWND> before = state.windows.TopLevels();
            RaiseTopLevel(hwnd);
            restacked = before != state.windows.TopLevels();
        } else if (std::vector<HWND>* siblings = state.windows.SiblingsOf(*window)) {
            restacked = Restack(*siblings, hwnd, pos.hwndInsertAfter);
        }
    }
    if (flags & SWP_SHOWWINDOW) window->style |= WS_VISIBLE;
    if (flags & SWP_HIDEWINDOW) window->style &= ~WS_VISIBLE;
    const bool visibilityChanged = wasVisible != ((window->style & WS_VISIBLE) != 0);

    if (sized) ResizeSurface(*window);
    if (visibilityChanged && (window->style & WS_VISIBLE)) Invalidate(*window, nullptr, true);
    if (IsTopLevel(*window)) {
        if ((moved || sized) && state.configuring != hwnd) TheBackend().SetNativeBounds(hwnd, rect);
        if (visibilityChanged) SyncNativeVisibility(*window, !(flags & SWP_NOACTIVATE));
        else if (restacked && (window->style & WS_VISIBLE) && state.windows.TopLevels().front() == hwnd) {
            // FIXME: the backend is told of raises only; a window sent lower keeps its place there.
            TheBackend().RaiseNativeWindow(hwnd, false);
        }
    } else if (!(flags & SWP_NOREDRAW)) {
        InvalidateUnderChild(*window, oldRect, wasShown, moved, sized);
    }
    if (moved || sized || visibilityChanged || restacked) MarkForPresent(hwnd);

    if (flags & SWP_FRAMECHANGED) {
        NCCALCSIZE_PARAMS params{{rect, oldRect, oldRect}, &pos};
        SendMessageW(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
        window = Find(hwnd);
        if (!window) return TRUE;
    }

    if (IsTopLevel(*window) && (window->style & WS_VISIBLE) && !(flags & SWP_NOACTIVATE) &&
        !(window->exStyle & WS_EX_NOACTIVATE) && (visibilityChanged || !(flags & SWP_NOZORDER))) {
        Activate(hwnd, WA_ACTIVE, true);
        window = Find(hwnd);
        if (!window) return TRUE;
    }

    if (moved || sized || visibilityChanged || restacked || forceSize || forceMove || (flags & SWP_FRAMECHANGED)) {
        WINDOWPOS changed{hwnd, pos.hwndInsertAfter, rect.left, rect.top, Width(rect), Height(rect), flags};
        if (!moved && !forceMove) changed.flags |= SWP_NOCLIENTMOVE;
        if (!sized && !forceSize) changed.flags |= SWP_NOCLIENTSIZE;
        ++window->positionNotifyDepth;
        SendMessageW(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&changed));
        window = Find(hwnd);
        if (!window) return TRUE;
        --window->positionNotifyDepth;
    }
    if (visibilityChanged && !(window->style & WS_VISIBLE)) HandOverActivation(hwnd);
    return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    // The flags the system keeps for itself are not the caller's to give.
    flags &= ~(SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE);
    return ApplyWindowPos(hwnd, insertAfter, x, y, width, height, flags);
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    Window* window = Find(hwnd);
    if (!window) return FALSE;
    const RECT before = window->rect;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : SWP_NOREDRAW);
    if (!ApplyWindowPos(hwnd, nullptr, x, y, width, height, flags)) return FALSE;
    window = Find(hwnd);
    if (repaint && window && !(window->rect == before)) Invalidate(*window, nullptr, true);
    return TRUE;
}

BOOL BringWindowToTop(HWND hwnd) {
    return ApplyWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
