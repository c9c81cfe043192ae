#include "platform/framework/DataExchange.h"

#include "platform/framework/Wnd.h"

HWND CDataExchange::PrepareCtrl(int nIDC) {
    m_idLastControl = nIDC;
    return m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : nullptr;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (!pDX || rControl.m_hWnd) return;
    // FIXME: a template control that could not be made (a hosted control whose class is not
    // registered) leaves its member without a window; its calls then fail as calls to a
    // missing control do.
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!hWndCtrl || !rControl.SubclassWindow(hWndCtrl)) return;
    rControl.AttachControlSite(pDX->m_pDlgWnd);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    if (!pDX) return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!hWndCtrl) return;
    if (pDX->m_bSaveAndValidate) {
        value = CWnd::FromHandle(hWndCtrl)->GetWindowText();
    } else {
        ::SetWindowTextW(hWndCtrl, value.c_str());
    }
}
