#include "platform/win/controls/ControlPainting.h"

#include "platform/win/WinApi.h"

#include <map>

namespace qx::win {

HFONT ControlFont(HFONT font) {
    // A font deleted after it was handed over (a caller's local CFont) counts as none.
    if (font && ::GetObjectW(font, 0, nullptr) > 0) return font;
    return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

HBRUSH AskParentForColors(HWND hwnd, HDC dc, UINT message, COLORREF textColor, COLORREF backColor) {
    ::SetTextColor(dc, textColor);
    ::SetBkColor(dc, backColor);
    ::SetBkMode(dc, OPAQUE);
    HWND parent = ::GetParent(hwnd);
    HBRUSH brush = parent ? reinterpret_cast<HBRUSH>(::SendMessageW(parent, message, reinterpret_cast<WPARAM>(dc),
                                                                    reinterpret_cast<LPARAM>(hwnd)))
                          : nullptr;
    if (brush) return brush;
    // One brush per fallback colour for the life of the process.
    static std::map<COLORREF, HBRUSH> fallbacks;
    HBRUSH& fallback = fallbacks[backColor];
    if (!fallback || ::GetObjectW(fallback, 0, nullptr) == 0) fallback = ::CreateSolidBrush(backColor);
    return fallback;
}

BOOL NotifyParent(HWND hwnd, UINT code) {
    if (!(::GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD)) return FALSE;
    HWND parent = ::GetParent(hwnd);
    if (!parent) return FALSE;
    const int id = ::GetDlgCtrlID(hwnd);
    ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), static_cast<WORD>(code)),
                   reinterpret_cast<LPARAM>(hwnd));
    return TRUE;
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    HBRUSH brush = ::CreateSolidBrush(color);
    ::FillRect(dc, &rect, brush);
    ::DeleteObject(brush);
}

}  // namespace qx::win
