// Timers on the backend's clock. Their WM_TIMER is made when it is taken (MessageLoop.cpp).

#include "platform/win/WindowSystem.h"

using namespace qx::win;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (hwnd && !Find(hwnd)) return 0;
    UINT_PTR result = State().timers.Set(hwnd, id, elapse, proc, Now());
    return result ? result : 1;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) { return State().timers.Kill(hwnd, id) ? TRUE : FALSE; }

DWORD GetTickCount() { return static_cast<DWORD>(Now()); }

std::uint64_t GetTickCount64() { return Now(); }
