#pragma once
// Dialog data exchange: DoDataExchange binds template controls to member objects (DDX_Control)
// and moves texts between controls and members (DDX_Text).

#include "platform/win/WinUser.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    // The control's window; null when the dialog has no control with that id.
    HWND PrepareCtrl(int nIDC);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    int m_idLastControl = 0;
};

// Binds the control nIDC to rControl by subclassing it (PreSubclassWindow runs), with its
// automation object when it is a hosted control. An object already bound, or a missing control,
// is left as it is.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
