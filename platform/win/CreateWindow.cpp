// Window creation: the record, its place in the tree, and the creation messages.

#include "platform/win/WindowSystem.h"

#include <algorithm>

using namespace qx::win;

namespace {

std::u16string TextOf(LPCWSTR text) {
    return text && !IS_INTRESOURCE(text) ? std::u16string(text) : std::u16string();
}

// CW_USEDEFAULT for a top-level window: the work area's corner and three quarters of its size.
void ApplyDefaults(bool child, int& x, int& y, int& width, int& height) {
    RECT work = TheBackend().WorkArea();
    if (x == CW_USEDEFAULT) {
        x = child ? 0 : work.left;
        y = child ? 0 : work.top;
    }
    if (width == CW_USEDEFAULT) {
        width = child ? 0 : Width(work) * 3 / 4;
        height = child ? 0 : Height(work) * 3 / 4;
    }
    width = std::max(width, 0);
    height = std::max(height, 0);
}

// A window whose WM_NCCREATE refused: it only hears WM_NCDESTROY, as the real system does.
void DiscardRefusedWindow(HWND hwnd) {
    SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
    DropWindowRecord(hwnd);
}

}  // namespace

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    ThreadState& state = State();
    WindowClass* windowClass = state.classes.Find(className);
    if (!windowClass) return nullptr;
    const bool child = (style & WS_CHILD) != 0;
    if ((child || parent) && !Find(parent)) return nullptr;
    ApplyDefaults(child, x, y, width, height);

    auto record = std::make_unique<Window>();
    record->windowClass = windowClass;
    record->proc = windowClass->proc;
    // Visibility comes after creation, through ShowWindow, as on the real system.
    record->style = style & ~(WS_VISIBLE | WS_MAXIMIZE | WS_MINIMIZE);
    record->exStyle = exStyle;
    record->text = TextOf(windowName);
    if (child) {
        record->parent = parent;
        record->id = reinterpret_cast<UINT_PTR>(menu);
    } else {
        // Only top-level windows own others; a child given as owner stands for its top-level window.
        record->owner = parent ? RootOf(parent) : nullptr;
    }
    record->rect = {x, y, x + width, y + height};
    record->normalRect = record->rect;
    record->extraBytes.assign(static_cast<std::size_t>(windowClass->windowExtraBytes), 0);
    record->instance = instance;
    record->surface = std::make_shared<qx::gfx::Surface>(width, height);
    record->updateRect = {0, 0, width, height};
    record->needErase = true;
    HWND hwnd = state.windows.Add(std::move(record));
    ++windowClass->liveWindows;

    Window& window = *Find(hwnd);
    if (child) {
        // New children go to the bottom, so the z-order is the creation (and tab) order.
        Find(parent)->children.push_back(hwnd);
    } else {
        state.windows.TopLevels().insert(state.windows.TopLevels().begin(), hwnd);
        TheBackend().CreateNativeWindow(hwnd, window.rect, window.text, NativeStyleOf(window));
    }

    CREATESTRUCTW create;
    create.lpCreateParams = param;
    create.hInstance = instance;
    create.hMenu = menu;
    create.hwndParent = parent;
    create.cx = width;
    create.cy = height;
    create.x = x;
    create.y = y;
    create.style = static_cast<LONG>(style);
    create.lpszName = windowName;
    create.lpszClass = className;
    create.dwExStyle = exStyle;

    if (!SendMessageW(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create))) {
        DiscardRefusedWindow(hwnd);
        return nullptr;
    }
    if (!Find(hwnd)) return nullptr;
    RECT clientArea = Find(hwnd)->rect;
    SendMessageW(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&clientArea));
    if (!Find(hwnd)) return nullptr;
    if (SendMessageW(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!Find(hwnd)) return nullptr;
    RECT now = Find(hwnd)->rect;
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<WORD>(Width(now)), static_cast<WORD>(Height(now))));
    if (!Find(hwnd)) return nullptr;
    SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(now.left), static_cast<WORD>(now.top)));
    if (!Find(hwnd)) return nullptr;
    if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
    return Find(hwnd) ? hwnd : nullptr;
}
