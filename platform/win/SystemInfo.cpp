// The screen, the work area, metrics and the system's version.

#include "platform/win/WindowSystem.h"

using namespace qx::win;

BOOL SystemParametersInfoW(UINT action, UINT, void* param, UINT) {
    if (action != SPI_GETWORKAREA || !param) return FALSE;
    *static_cast<RECT*>(param) = TheBackend().WorkArea();
    return TRUE;
}

int GetSystemMetrics(int index) {
    const RECT screen = TheBackend().ScreenRect();
    const RECT work = TheBackend().WorkArea();
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN:
        return Width(screen);
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN:
        return Height(screen);
    case SM_CXFULLSCREEN:
    case SM_CXMAXIMIZED:
        return Width(work);
    case SM_CYFULLSCREEN:
    case SM_CYMAXIMIZED:
        return Height(work);
    case SM_CXDOUBLECLK:
        return kDoubleClickWidth;
    case SM_CYDOUBLECLK:
        return kDoubleClickHeight;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CXMINTRACK:
        return 136;
    case SM_CYMINTRACK:
        return 39;
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    case SM_CMONITORS:
        return 1;
    default:
        return 0;
    }
}

DWORD GetVersion() {
    // Major 6, minor 1, build 7601: a system that has every function the program looks up.
    return (7601u << 16) | (1u << 8) | 6u;
}
