// The window tree: parents and children (z-ordered), owners of top-level windows, control ids.

#include "platform/win/WindowSystem.h"

#include <algorithm>

using namespace qx::win;

BOOL IsWindow(HWND hwnd) { return Find(hwnd) ? TRUE : FALSE; }

HWND GetParent(HWND hwnd) {
    Window* window = Find(hwnd);
    if (!window) return nullptr;
    if (!IsTopLevel(*window)) return window->parent;
    return (window->style & WS_POPUP) ? window->owner : nullptr;
}

HWND SetParent(HWND child, HWND newParent) {
    Window* window = Find(child);
    Window* parent = Find(newParent);
    // Only children move between parents; a window never goes under itself.
    if (!window || !parent || IsTopLevel(*window) || child == newParent || IsChild(child, newParent)) return nullptr;
    HWND previous = window->parent;
    if (Window* old = Find(previous)) {
        std::erase(old->children, child);
        if (IsShown(*window)) Invalidate(*old, &window->rect, true);
    }
    window->parent = newParent;
    parent->children.insert(parent->children.begin(), child);
    if (IsShown(*window)) Invalidate(*parent, &window->rect, true);
    MarkForPresent(child);
    return previous;
}

HWND GetWindow(HWND hwnd, UINT relation) {
    ThreadState& state = State();
    Window* window = Find(hwnd);
    if (!window) return nullptr;
    if (relation == GW_CHILD) return window->children.empty() ? nullptr : window->children.front();
    if (relation == GW_OWNER) return IsTopLevel(*window) ? window->owner : nullptr;
    std::vector<HWND>* siblings = state.windows.SiblingsOf(*window);
    if (!siblings || siblings->empty()) return nullptr;
    auto it = std::find(siblings->begin(), siblings->end(), hwnd);
    switch (relation) {
    case GW_HWNDFIRST:
        return siblings->front();
    case GW_HWNDLAST:
        return siblings->back();
    case GW_HWNDNEXT:
        return it != siblings->end() && it + 1 != siblings->end() ? *(it + 1) : nullptr;
    case GW_HWNDPREV:
        return it != siblings->end() && it != siblings->begin() ? *(it - 1) : nullptr;
    case GW_ENABLEDPOPUP:
        for (HWND top : state.windows.TopLevels()) {
            Window* popup = Find(top);
            if (popup && popup->owner == hwnd && IsShown(*popup) && !(popup->style & WS_DISABLED)) return top;
        }
        return nullptr;
    default:
        return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd) {
    if (!hwnd) {
        const std::vector<HWND>& tops = State().windows.TopLevels();
        return tops.empty() ? nullptr : tops.front();
    }
    return GetWindow(hwnd, GW_CHILD);
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    Window* window = Find(hwnd);
    if (!window) return nullptr;
    switch (flags) {
    case GA_PARENT:
        return IsTopLevel(*window) ? nullptr : window->parent;
    case GA_ROOT:
        return RootOf(hwnd);
    case GA_ROOTOWNER: {
        HWND root = RootOf(hwnd);
        while (Window* top = Find(root)) {
            if (!Find(top->owner)) break;
            root = top->owner;
        }
        return root;
    }
    default:
        return nullptr;
    }
}

BOOL IsChild(HWND parent, HWND child) {
    Window* window = Find(child);
    while (window && !IsTopLevel(*window)) {
        if (window->parent == parent) return TRUE;
        window = Find(window->parent);
    }
    return FALSE;
}

HWND GetDlgItem(HWND dialog, int id) {
    Window* window = Find(dialog);
    if (!window) return nullptr;
    for (HWND child : window->children) {
        if (Window* control = Find(child); control && control->id == static_cast<UINT_PTR>(id)) return child;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    Window* window = Find(hwnd);
    return window && !IsTopLevel(*window) ? static_cast<int>(window->id) : 0;
}
