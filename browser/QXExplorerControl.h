#pragma once
// CQXExplorerControl: the thin window class around one web browser control. It keeps no state:
// every operation is one InvokeHelper call on the control's automation object by DISPID, and a
// failing call raises COleDispatchException to the caller.

#include "platform/framework/Framework.h"

class CQXExplorerControl : public CWnd {
    DECLARE_DYNCREATE(CQXExplorerControl)

public:
    CQXExplorerControl() = default;
    ~CQXExplorerControl() override;

    // Makes the control in code (the page dialog's template makes it otherwise); the class name
    // is not used: the control is made by its class id.
    BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID, CCreateContext* pContext = nullptr) override;

    void GoBack();
    void GoForward();
    void Navigate(LPCWSTR URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData, VARIANT* Headers);
    void Stop();
    void Refresh();
    // The control's own automation object, with a reference for the caller.
    LPDISPATCH get_Application();
    // The document shown now, with a reference for the caller, or null.
    LPDISPATCH get_Document();
    CString get_LocationURL();
    BOOL get_Busy();
    void ExecWB(long cmdID, long cmdexecopt, VARIANT* pvaIn, VARIANT* pvaOut);
    void put_Silent(BOOL bNewValue);
};
