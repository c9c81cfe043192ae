#pragma once
// A fixture for framework tests: the headless backend, a fresh window system, and helpers to
// run the queue and to make small dialog templates in code.

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/framework/Framework.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/win/WinApi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qx::fw::test {

class FrameworkTest : public ::testing::Test {
protected:
    // Handles every message waiting now, as the program's loop would (pre-translation included).
    void Pump(HWND top = nullptr) { qx::win::PumpPendingMessages(top); }

    static POINT ScreenPoint(HWND hwnd, int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(hwnd, &p);
        return p;
    }
    static POINT CenterOf(HWND hwnd) {
        RECT rc;
        ::GetClientRect(hwnd, &rc);
        return ScreenPoint(hwnd, (rc.right - rc.left) / 2, (rc.bottom - rc.top) / 2);
    }
    // A pixel of the window's own surface, as a colour (alpha dropped).
    static COLORREF PixelOf(HWND hwnd, int x, int y) {
        HDC dc = ::GetDC(hwnd);
        const auto surface = qx::gfx::SurfaceOfDC(dc);
        const std::uint32_t argb = surface ? surface->Pixel(x, y) : 0;
        ::ReleaseDC(hwnd, dc);
        return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
    }
    static CString ClassNameOf(HWND hwnd) {
        char16_t name[64] = {};
        const int n = ::GetClassNameW(hwnd, name, 64);
        return CString(name, n > 0 ? static_cast<std::size_t>(n) : 0);
    }

    qx::backend::HeadlessBackend backend;
    qx::win::WindowSystemScope scope{backend};
};

// A pop-up dialog of 200 x 100 dialog units with an OK button, a Cancel button and an edit.
inline constexpr UINT kTestEditId = 1021;
inline constexpr UINT kTestButtonId = 1002;
inline constexpr DialogItemTemplate kTestItems[] = {
    {IDOK, u"Button", u"OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 10, 70, 50, 14},
    {IDCANCEL, u"Button", u"Cancel", WS_VISIBLE | WS_TABSTOP, 0, 70, 70, 50, 14},
    {kTestEditId, u"Edit", u"typed", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_TRANSPARENT, 10, 10, 120, 14},
    {kTestButtonId, u"Button", u"Go", WS_VISIBLE | WS_TABSTOP, 0, 140, 10, 40, 14},
};
inline constexpr DialogTemplate kTestDialog = {
    1, WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 0, 0, 200, 100, u"Test", u"MS Shell Dlg", 8, kTestItems,
};

}  // namespace qx::fw::test
