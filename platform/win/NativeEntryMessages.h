#pragma once
// Between the window system and an edit box that shows itself as the backend's native entry:
// the user's changes made in the entry come to the edit's procedure as this message.

#include "platform/win/WinUser.h"

#include <string>

namespace qx::win {

// lParam: the NativeEntryChange. Sent, never posted.
inline constexpr UINT WM_QX_ENTRYCHANGED = 0x03DE;

struct NativeEntryChange {
    std::u16string text;
    int start = 0;  // selection in UTF-16 units, end exclusive
    int end = 0;
};

}  // namespace qx::win
