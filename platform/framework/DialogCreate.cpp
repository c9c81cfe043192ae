// Making a dialog's window and controls from its template.

#include "platform/framework/ControlHosting.h"
#include "platform/framework/Dialog.h"
#include "platform/framework/OccManager.h"
#include "platform/framework/WndInternal.h"
#include "platform/framework/WndMap.h"

namespace {

// Centred on the owner, or on the work area without one.
void CenterRect(RECT& rc, HWND hWndOwner) {
    RECT area;
    if (!hWndOwner || !::GetWindowRect(hWndOwner, &area)) {
        if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return;
    }
    const int w = rc.right - rc.left;
    const int h = rc.bottom - rc.top;
    rc.left = area.left + ((area.right - area.left) - w) / 2;
    rc.top = area.top + ((area.bottom - area.top) - h) / 2;
    rc.right = rc.left + w;
    rc.bottom = rc.top + h;
}

}  // namespace

BOOL CDialog::CreateFromTemplate(const DialogTemplate& tpl, HWND hWndParent) {
    if (m_hWnd) return FALSE;
    qx::fw::EnsureWindowClasses();
    const bool child = (tpl.dwStyle & WS_CHILD) != 0;
    if (child && !hWndParent) return FALSE;

    RECT rc = qx::fw::DialogUnitsToPixels(qx::fw::DialogBaseUnits(tpl), tpl.x, tpl.y, tpl.cx, tpl.cy);
    if (tpl.dwStyle & DS_CENTER) {
        CenterRect(rc, child ? nullptr : hWndParent);
    } else if (!child && hWndParent && !(tpl.dwStyle & DS_ABSALIGN)) {
        // A pop-up's position counts from its owner's client area.
        POINT origin{};
        ::ClientToScreen(hWndParent, &origin);
        rc.left += origin.x;
        rc.right += origin.x;
        rc.top += origin.y;
        rc.bottom += origin.y;
    }
    m_font.DeleteObject();
    if ((tpl.dwStyle & DS_SETFONT) && tpl.lpszFontFace) m_font.CreatePointFont(tpl.wPointSize * 10, tpl.lpszFontFace);

    // WS_VISIBLE waits until the dialog is initialised.
    qx::fw::PushPendingCreate(this);
    HWND h = ::CreateWindowExW(tpl.dwExStyle, qx::fw::kDialogClassName, tpl.lpszCaption ? tpl.lpszCaption : u"",
                               tpl.dwStyle & ~WS_VISIBLE, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                               hWndParent, nullptr, nullptr, nullptr);
    qx::fw::PopPendingCreate(this);
    if (!h) return FALSE;
    if (m_hWnd != h) {
        ::DestroyWindow(h);
        return FALSE;
    }

    CreateControls(tpl);
    if (!::IsWindow(h)) return FALSE;

    HWND hWndFirst = nullptr;
    for (const DialogItemTemplate& item : tpl.items) {
        HWND c = ::GetDlgItem(h, static_cast<int>(item.nID));
        const auto style = static_cast<DWORD>(::GetWindowLongW(c, GWL_STYLE));
        if (c && (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) {
            hWndFirst = c;
            break;
        }
    }
    const LRESULT setFocus = ::SendMessageW(h, WM_INITDIALOG, reinterpret_cast<WPARAM>(hWndFirst), 0);
    // The initialisation may have destroyed the dialog, and its object with it.
    if (!::IsWindow(h)) return FALSE;
    if (setFocus && hWndFirst && ::IsWindow(hWndFirst)) {
        // Focus the first control only when initialisation did not put the focus in the dialog.
        HWND focus = ::GetFocus();
        if (focus != h && !::IsChild(h, focus)) ::SetFocus(hWndFirst);
    }
    if (tpl.dwStyle & WS_VISIBLE) ::ShowWindow(h, child ? SW_SHOW : SW_SHOWNORMAL);
    return TRUE;
}

void CDialog::CreateControls(const DialogTemplate& tpl) {
    const SIZE units = qx::fw::DialogBaseUnits(tpl);
    for (const DialogItemTemplate& item : tpl.items) {
        LPCWSTR className = item.lpszClass;
        if (!className && item.pClsid) className = qx::fw::FindControlClass(*item.pClsid);
        if (!className) continue;
        const RECT r = qx::fw::DialogUnitsToPixels(units, item.x, item.y, item.cx, item.cy);
        HWND hWndCtrl = ::CreateWindowExW(item.dwExStyle, className, item.lpszCaption ? item.lpszCaption : u"",
                                          item.dwStyle | WS_CHILD, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                          m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.nID)), nullptr,
                                          nullptr);
        // A control that cannot be made (its class is not registered) is left out; the dialog
        // works without it.
        if (!hWndCtrl) continue;
        if (m_font.m_hObject) ::SendMessageW(hWndCtrl, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.m_hObject), FALSE);
        if (item.pClsid) InitControlContainer()->CreateSite(hWndCtrl, item.nID);
        if (!::IsWindow(m_hWnd)) return;
    }
}
