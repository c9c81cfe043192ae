#pragma once
// The standard control classes of the window system, with what the browser needs of them:
// "Button" (push and owner-drawn), "Edit" (single line) and "Static".

#include "platform/win/WinUser.h"

namespace qx::win {

inline constexpr const char16_t* kButtonClassName = u"Button";
inline constexpr const char16_t* kEditClassName = u"Edit";
inline constexpr const char16_t* kStaticClassName = u"Static";

// Registers the three classes where they are not registered yet; safe to call any time.
void RegisterStandardControls();

LRESULT ButtonWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT EditWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace qx::win
