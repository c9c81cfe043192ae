// Window text goes through WM_SETTEXT / WM_GETTEXT so that a window may answer for itself.

#include "platform/win/WindowSystem.h"

using namespace qx::win;

BOOL SetWindowTextW(HWND hwnd, LPCWSTR text) {
    if (!Find(hwnd)) return FALSE;
    return SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : u"")) ? TRUE : FALSE;
}

int GetWindowTextW(HWND hwnd, LPWSTR text, int maxCount) {
    if (!Find(hwnd) || !text || maxCount <= 0) return 0;
    text[0] = 0;
    return static_cast<int>(SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLengthW(HWND hwnd) {
    if (!Find(hwnd)) return 0;
    return static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
}
