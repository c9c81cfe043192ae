// Sending and posting messages, and the registered message numbers.

#include "platform/win/WindowSystem.h"

#include <map>

using namespace qx::win;

LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = Find(hwnd);
    if (!window) return 0;
    // The record may be gone when the procedure returns: nothing of it is touched afterwards.
    return window->proc(hwnd, message, wParam, lParam);
}

LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return proc ? proc(hwnd, message, wParam, lParam) : 0;
}

BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !Find(hwnd)) return FALSE;
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = static_cast<DWORD>(Now());
    msg.pt = State().pointer.position;
    State().queue.Post(msg);
    return TRUE;
}

void PostQuitMessage(int exitCode) { State().queue.PostQuit(exitCode); }

UINT RegisterWindowMessageW(LPCWSTR name) {
    if (!name || !*name) return 0;
    // Numbers live as long as the process, like the real system's atoms.
    static std::map<std::u16string, UINT> registered;
    std::u16string key(name);
    for (char16_t& c : key) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    auto [it, added] = registered.emplace(key, WM_REGISTERED_FIRST + static_cast<UINT>(registered.size()));
    return it->second;
}

LONG GetMessageTime() { return static_cast<LONG>(State().lastMessage.time); }

DWORD GetMessagePos() {
    POINT pt = State().lastMessage.pt;
    return static_cast<DWORD>(MAKELONG(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
}
