// Window data by index: styles, procedure, user data, id, and the class's extra bytes.

#include "platform/win/WindowSystem.h"

#include <cstring>

using namespace qx::win;

namespace {

bool ExtraSlot(const Window& window, int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) + size <= window.extraBytes.size();
}

// Style changes are announced before and after, and a top-level window's look on the desktop
// follows its extended style.
LONG_PTR ChangeStyle(HWND hwnd, int index, DWORD value) {
    Window* window = Find(hwnd);
    DWORD& slot = index == GWL_STYLE ? window->style : window->exStyle;
    STYLESTRUCT change{slot, value};
    SendMessageW(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    window = Find(hwnd);
    if (!window) return 0;
    DWORD& current = index == GWL_STYLE ? window->style : window->exStyle;
    const DWORD previous = current;
    current = change.styleNew;
    change.styleOld = previous;
    if (index == GWL_EXSTYLE && !(current & WS_EX_LAYERED)) window->layered = LayeredState{};
    if (IsTopLevel(*window)) {
        TheBackend().SetNativeStyle(hwnd, NativeStyleOf(*window));
        if (index == GWL_STYLE && ((previous ^ current) & WS_VISIBLE)) SyncNativeVisibility(*window, false);
    }
    SendMessageW(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    return static_cast<LONG_PTR>(previous);
}

}  // namespace

LONG_PTR GetWindowLongPtrW(HWND hwnd, int index) {
    Window* window = Find(hwnd);
    if (!window) return 0;
    switch (index) {
    case GWL_STYLE:
        return static_cast<LONG_PTR>(window->style);
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(window->exStyle);
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(window->proc);
    case GWLP_USERDATA:
        return window->userData;
    case GWLP_ID:
        return static_cast<LONG_PTR>(window->id);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(window->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(IsTopLevel(*window) ? window->owner : window->parent);
    default:
        if (!ExtraSlot(*window, index, sizeof(LONG_PTR))) return 0;
        LONG_PTR value;
        std::memcpy(&value, window->extraBytes.data() + index, sizeof value);
        return value;
    }
}

LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
    Window* window = Find(hwnd);
    if (!window) return 0;
    LONG_PTR previous = 0;
    switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE:
        return ChangeStyle(hwnd, index, static_cast<DWORD>(value));
    case GWLP_WNDPROC:
        if (!value) return 0;
        previous = reinterpret_cast<LONG_PTR>(window->proc);
        window->proc = reinterpret_cast<WNDPROC>(value);
        return previous;
    case GWLP_USERDATA:
        previous = window->userData;
        window->userData = value;
        return previous;
    case GWLP_ID:
        previous = static_cast<LONG_PTR>(window->id);
        window->id = static_cast<UINT_PTR>(value);
        return previous;
    default:
        if (!ExtraSlot(*window, index, sizeof(LONG_PTR))) return 0;
        std::memcpy(&previous, window->extraBytes.data() + index, sizeof previous);
        std::memcpy(window->extraBytes.data() + index, &value, sizeof value);
        return previous;
    }
}

LONG GetWindowLongW(HWND hwnd, int index) { return static_cast<LONG>(GetWindowLongPtrW(hwnd, index)); }

LONG SetWindowLongW(HWND hwnd, int index, LONG value) {
    // Styles are 32-bit values: keep the high bit from spreading into the wider type.
    LONG_PTR wide = (index == GWL_STYLE || index == GWL_EXSTYLE) ? static_cast<LONG_PTR>(static_cast<DWORD>(value)) : value;
    return static_cast<LONG>(SetWindowLongPtrW(hwnd, index, wide));
}
