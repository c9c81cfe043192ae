// The "Button" class: push buttons and owner-drawn buttons. A press captures the mouse and shows
// the button pushed; releasing over it sends BN_CLICKED to the parent, releasing elsewhere sends
// nothing. Owner-drawn buttons are painted by the parent through WM_DRAWITEM.

#include "platform/win/WinApi.h"
#include "platform/win/controls/ControlPainting.h"
#include "platform/win/controls/ControlStateTable.h"
#include "platform/win/controls/StandardControls.h"

namespace qx::win {
namespace {

struct ButtonState {
    UINT state = BST_UNCHECKED;  // BST_PUSHED, BST_FOCUS and the check bits
    bool captured = false;       // a mouse press is in progress
    bool spaceDown = false;      // a Space press is in progress
    HFONT font = nullptr;
};

ControlStateTable<ButtonState>& Buttons() {
    static ControlStateTable<ButtonState> table;
    return table;
}

DWORD TypeOf(HWND hwnd) { return static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_STYLE)) & BS_TYPEMASK; }
bool IsOwnerDraw(HWND hwnd) { return TypeOf(hwnd) == BS_OWNERDRAW; }

bool IsInside(HWND hwnd, LPARAM lParam) {
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return p.x >= rc.left && p.x < rc.right && p.y >= rc.top && p.y < rc.bottom;
}

// Repaints at once, as the pushed look must follow the mouse without waiting for the queue.
void Repaint(HWND hwnd) {
    ::InvalidateRect(hwnd, nullptr, TRUE);
    ::UpdateWindow(hwnd);
}

void SetPushed(HWND hwnd, bool pushed) {
    ButtonState* s = Buttons().Find(hwnd);
    if (!s || ((s->state & BST_PUSHED) != 0) == pushed) return;
    s->state = pushed ? (s->state | BST_PUSHED) : (s->state & ~BST_PUSHED);
    Repaint(hwnd);
}

void Click(HWND hwnd) { NotifyParent(hwnd, BN_CLICKED); }

void Press(HWND hwnd) {
    if (::GetFocus() != hwnd) ::SetFocus(hwnd);
    if (!Buttons().Find(hwnd)) return;  // the focus change destroyed it
    ::SetCapture(hwnd);
    if (ButtonState* s = Buttons().Find(hwnd)) s->captured = true;
    SetPushed(hwnd, true);
}

void Release(HWND hwnd, LPARAM lParam) {
    ButtonState* s = Buttons().Find(hwnd);
    if (!s || !s->captured) return;
    s->captured = false;
    if (::GetCapture() == hwnd) ::ReleaseCapture();
    SetPushed(hwnd, false);
    if (IsInside(hwnd, lParam)) Click(hwnd);
}

UINT DialogCode(HWND hwnd) {
    const DWORD type = TypeOf(hwnd);
    if (type == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    if (type == BS_PUSHBUTTON) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    return DLGC_BUTTON;
}

void DrawPushFace(HWND hwnd, HDC dc, const RECT& rc, const ButtonState& s) {
    const bool pushed = (s.state & BST_PUSHED) != 0;
    const bool enabled = ::IsWindowEnabled(hwnd) != FALSE;
    FillSolid(dc, rc, (s.state & BST_FOCUS) || pushed ? kHighlightColor : kBorderColor);
    RECT face{rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1};
    FillSolid(dc, face, pushed ? kPressedFaceColor : kFaceColor);

    const int length = ::GetWindowTextLengthW(hwnd);
    if (length <= 0) return;
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(hwnd, text.data(), length + 1)));
    RECT textRect = face;
    if (pushed) {
        textRect.left += 1;
        textRect.right += 1;
        textRect.top += 1;
        textRect.bottom += 1;
    }
    HGDIOBJ oldFont = ::SelectObject(dc, ControlFont(s.font));
    ::SetTextColor(dc, enabled ? kWindowTextColor : kGrayTextColor);
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SelectObject(dc, oldFont);
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd, &ps);
    ButtonState* s = Buttons().Find(hwnd);
    if (dc && s) {
        RECT rc;
        ::GetClientRect(hwnd, &rc);
        if (IsOwnerDraw(hwnd)) {
            DRAWITEMSTRUCT dis;
            dis.CtlType = ODT_BUTTON;
            dis.CtlID = static_cast<UINT>(::GetDlgCtrlID(hwnd));
            dis.itemAction = ODA_DRAWENTIRE;
            dis.itemState = ((s->state & BST_PUSHED) ? ODS_SELECTED : 0) | ((s->state & BST_FOCUS) ? ODS_FOCUS : 0) |
                            (::IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED);
            dis.hwndItem = hwnd;
            dis.hDC = dc;
            dis.rcItem = rc;
            if (HWND parent = ::GetParent(hwnd)) {
                ::SendMessageW(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
            }
        } else {
            DrawPushFace(hwnd, dc, rc, *s);
        }
    }
    ::EndPaint(hwnd, &ps);
}

}  // namespace

LRESULT ButtonWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) Buttons().Create(hwnd);
    ButtonState* s = Buttons().Find(hwnd);
    if (!s || message == WM_NCDESTROY) {
        Buttons().Erase(hwnd);
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    switch (message) {
    case WM_LBUTTONDBLCLK:
        // An owner-drawn button reports a double click rather than a second press.
        if (IsOwnerDraw(hwnd) || (::GetWindowLongW(hwnd, GWL_STYLE) & BS_NOTIFY)) {
            NotifyParent(hwnd, BN_DOUBLECLICKED);
            return 0;
        }
        Press(hwnd);
        return 0;
    case WM_LBUTTONDOWN:
        Press(hwnd);
        return 0;
    case WM_MOUSEMOVE:
        if (s->captured) SetPushed(hwnd, IsInside(hwnd, lParam));
        return 0;
    case WM_LBUTTONUP:
        Release(hwnd, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        if (s->captured && reinterpret_cast<HWND>(lParam) != hwnd) {
            s->captured = false;
            SetPushed(hwnd, false);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && !s->captured) {
            s->spaceDown = true;
            SetPushed(hwnd, true);
            return 0;
        }
        break;
    case WM_KEYUP:
        if (wParam == VK_SPACE && s->spaceDown) {
            s->spaceDown = false;
            const bool pushed = (s->state & BST_PUSHED) != 0;
            SetPushed(hwnd, false);
            if (pushed) Click(hwnd);
            return 0;
        }
        break;
    case WM_SETFOCUS:
        s->state |= BST_FOCUS;
        ::InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_KILLFOCUS:
        s->state &= ~BST_FOCUS;
        s->spaceDown = false;
        if (s->captured) {
            s->captured = false;
            if (::GetCapture() == hwnd) ::ReleaseCapture();
        }
        SetPushed(hwnd, false);
        if (Buttons().Find(hwnd)) ::InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETDLGCODE:
        return DialogCode(hwnd);
    case BM_GETSTATE:
        return s->state;
    case BM_SETSTATE:
        SetPushed(hwnd, wParam != 0);
        return 0;
    case BM_GETCHECK:
        return s->state & (BST_CHECKED | BST_INDETERMINATE);
    case BM_SETCHECK:
        s->state = (s->state & ~(BST_CHECKED | BST_INDETERMINATE)) | (wParam & (BST_CHECKED | BST_INDETERMINATE));
        ::InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case BM_SETSTYLE: {
        const auto style = static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_STYLE));
        ::SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>((style & 0xFFFF0000u) | (wParam & 0xFFFFu)));
        if (lParam) ::InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    }
    case BM_CLICK:
        Click(hwnd);
        return 0;
    case WM_SETFONT:
        s->font = reinterpret_cast<HFONT>(wParam);
        if (lParam) ::InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s->font);
    case WM_SETTEXT: {
        const LRESULT result = ::DefWindowProcW(hwnd, message, wParam, lParam);
        ::InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_ENABLE:
        ::InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_ERASEBKGND:
        return TRUE;  // the paint covers everything
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace qx::win
