// The "Static" class: a text, painted in the colours the parent gives with WM_CTLCOLORSTATIC.

#include "platform/win/WinApi.h"
#include "platform/win/controls/ControlPainting.h"
#include "platform/win/controls/ControlStateTable.h"
#include "platform/win/controls/StandardControls.h"

namespace qx::win {
namespace {

struct StaticState {
    HFONT font = nullptr;
};

ControlStateTable<StaticState>& Statics() {
    static ControlStateTable<StaticState> table;
    return table;
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    HBRUSH brush = AskParentForColors(hwnd, dc, WM_CTLCOLORSTATIC, kWindowTextColor, kFaceColor);
    if (StaticState* s = Statics().Find(hwnd)) {
        ::FillRect(dc, &rc, brush);
        const int length = ::GetWindowTextLengthW(hwnd);
        if (length > 0) {
            std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
            text.resize(static_cast<std::size_t>(::GetWindowTextW(hwnd, text.data(), length + 1)));
            const DWORD type = static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_STYLE)) & SS_TYPEMASK;
            UINT format = DT_WORDBREAK | DT_NOPREFIX;
            if (type == SS_CENTER) format |= DT_CENTER;
            if (type == SS_RIGHT) format |= DT_RIGHT;
            HGDIOBJ oldFont = ::SelectObject(dc, ControlFont(s->font));
            ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc, format);
            ::SelectObject(dc, oldFont);
        }
    }
    ::EndPaint(hwnd, &ps);
}

}  // namespace

LRESULT StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) Statics().Create(hwnd);
    StaticState* s = Statics().Find(hwnd);
    if (!s || message == WM_NCDESTROY) {
        Statics().Erase(hwnd);
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    switch (message) {
    case WM_SETTEXT: {
        const LRESULT result = ::DefWindowProcW(hwnd, message, wParam, lParam);
        ::InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_SETFONT:
        s->font = reinterpret_cast<HFONT>(wParam);
        if (lParam) ::InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s->font);
    case WM_NCHITTEST:
        // Clicks pass through a static to the window below unless it asks for them.
        return (::GetWindowLongW(hwnd, GWL_STYLE) & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
    case WM_LBUTTONDOWN:
        if (::GetWindowLongW(hwnd, GWL_STYLE) & SS_NOTIFY) NotifyParent(hwnd, STN_CLICKED);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace qx::win
