#pragma once
// Styles the templates share, as the dialog editor writes them.

#include "platform/win/WinUser.h"

namespace qx::res {

inline constexpr const char16_t* kButton = u"Button";
inline constexpr const char16_t* kEdit = u"Edit";
inline constexpr const char16_t* kStatic = u"Static";
inline constexpr const char16_t* kDialogFont = u"MS Shell Dlg";

inline constexpr DWORD kPushButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
inline constexpr DWORD kDefaultButton = WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
inline constexpr DWORD kHiddenPushButton = WS_TABSTOP | BS_PUSHBUTTON;
inline constexpr DWORD kHiddenDefaultButton = WS_TABSTOP | BS_DEFPUSHBUTTON;

}  // namespace qx::res
