// Control messages: commands and notifications go first to the control that sent them (its
// reflected entries), then to the parent's table; drawing and colour requests are handed to
// the control by the parent's default handlers.

#include "platform/framework/Wnd.h"
#include "platform/framework/WndInternal.h"

using qx::fw::WndAccess;

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (hWndCtrl) {
        LRESULT result = 0;
        if (ReflectMessage(hWndCtrl, WM_COMMAND, wParam, lParam, &result)) return TRUE;
    } else {
        // Menus and accelerators: a command whatever code it carries.
        nCode = 0;
    }
    return OnCmdMsg(nID, nCode);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (!hdr) return FALSE;
    if (hdr->hwndFrom && ReflectMessage(hdr->hwndFrom, WM_NOTIFY, wParam, lParam, pResult)) return TRUE;
    return WndAccess::DispatchNotifyEntries(*this, WM_NOTIFY, wParam, lParam, pResult);
}

BOOL CWnd::ReflectMessage(HWND hwndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    CWnd* child = FromHandlePermanent(hwndChild);
    return child ? child->OnChildNotify(message, wParam, lParam, pResult) : FALSE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        return WndAccess::DispatchCommandEntries(*this, WM_REFLECT_BASE + WM_COMMAND, wParam, lParam, pResult);
    }
    if (message == WM_NOTIFY) {
        return WndAccess::DispatchNotifyEntries(*this, WM_REFLECT_BASE + WM_NOTIFY, wParam, lParam, pResult);
    }
    const UINT lookup = message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC ? WM_CTLCOLOR : message;
    return WndAccess::DispatchMessageEntries(*this, WM_REFLECT_BASE + lookup, message, wParam, lParam, pResult);
}

HBRUSH CWnd::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const UINT message = WM_CTLCOLORMSGBOX + nCtlColor;
    const auto wParam = reinterpret_cast<WPARAM>(pDC ? pDC->m_hDC : nullptr);
    if (pWnd && pWnd->m_hWnd && pWnd->m_hWnd != m_hWnd) {
        LRESULT result = 0;
        if (ReflectMessage(pWnd->m_hWnd, message, wParam, reinterpret_cast<LPARAM>(pWnd->m_hWnd), &result)) {
            return reinterpret_cast<HBRUSH>(result);
        }
    }
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    LRESULT result = 0;
    if (lpDrawItemStruct && ReflectMessage(lpDrawItemStruct->hwndItem, WM_DRAWITEM, static_cast<WPARAM>(nIDCtl),
                                           reinterpret_cast<LPARAM>(lpDrawItemStruct), &result)) {
        return;
    }
    Default();
}
