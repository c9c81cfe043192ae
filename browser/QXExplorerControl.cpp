#include "browser/QXExplorerControl.h"

#include "platform/webcontrol/WebBrowserDispids.h"

IMPLEMENT_DYNCREATE(CQXExplorerControl, CWnd)

CQXExplorerControl::~CQXExplorerControl() = default;

BOOL CQXExplorerControl::Create(LPCWSTR, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                                UINT nID, CCreateContext*) {
    return CreateControl(CLSID_WebBrowser, lpszWindowName, dwStyle, rect, pParentWnd, nID);
}

void CQXExplorerControl::GoBack() { InvokeHelper(DISPID_GOBACK, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr); }

void CQXExplorerControl::GoForward() { InvokeHelper(DISPID_GOFORWARD, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr); }

void CQXExplorerControl::Navigate(LPCWSTR URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                                  VARIANT* Headers) {
    InvokeHelper(DISPID_NAVIGATE, DISPATCH_METHOD, VT_EMPTY, nullptr,
                 VTS_BSTR VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT, URL, Flags, TargetFrameName, PostData,
                 Headers);
}

void CQXExplorerControl::Stop() { InvokeHelper(DISPID_STOP, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr); }

void CQXExplorerControl::Refresh() { InvokeHelper(DISPID_REFRESH, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr); }

LPDISPATCH CQXExplorerControl::get_Application() {
    LPDISPATCH result = nullptr;
    InvokeHelper(DISPID_APPLICATION, DISPATCH_PROPERTYGET, VT_DISPATCH, &result, nullptr);
    return result;
}

LPDISPATCH CQXExplorerControl::get_Document() {
    LPDISPATCH result = nullptr;
    InvokeHelper(DISPID_DOCUMENT, DISPATCH_PROPERTYGET, VT_DISPATCH, &result, nullptr);
    return result;
}

CString CQXExplorerControl::get_LocationURL() {
    CString result;
    InvokeHelper(DISPID_LOCATIONURL, DISPATCH_PROPERTYGET, VT_BSTR, &result, nullptr);
    return result;
}

BOOL CQXExplorerControl::get_Busy() {
    BOOL result = FALSE;
    InvokeHelper(DISPID_BUSY, DISPATCH_PROPERTYGET, VT_BOOL, &result, nullptr);
    return result;
}

void CQXExplorerControl::ExecWB(long cmdID, long cmdexecopt, VARIANT* pvaIn, VARIANT* pvaOut) {
    InvokeHelper(DISPID_EXECWB, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_I4 VTS_I4 VTS_PVARIANT VTS_PVARIANT, cmdID,
                 cmdexecopt, pvaIn, pvaOut);
}

void CQXExplorerControl::put_Silent(BOOL bNewValue) {
    InvokeHelper(DISPID_SILENT, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, VTS_BOOL, bNewValue);
}
