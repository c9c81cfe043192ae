#include "browser/QXExplorerControlDlg.h"

#include "platform/base/Strings.h"
#include "platform/webcontrol/WebBrowserDispids.h"

#include <new>
#include <vector>

IMPLEMENT_DYNAMIC(CQXExplorerControlDlg, CDialog)

namespace {

// The text of a URL, frame or headers argument: a string's characters up to its first zero;
// empty for anything that is not a string.
CString VariantText(const VARIANT* v) {
    if (!v || v->vt != VT_BSTR || !v->bstrVal) return CString();
    return CString(v->bstrVal);
}

// A private copy of the request body of a before-navigate, or nothing. The body comes as a
// variant that refers to the variant holding a byte array.
std::vector<BYTE> CopyPostData(const VARIANT* PostData) {
    if (!PostData || PostData->vt != (VT_BYREF | VT_VARIANT) || !PostData->pvarVal) return {};
    const VARIANT& body = *PostData->pvarVal;
    // Only an array is read as one: anything else in the variant (a string, a number) would be
    // taken for an array's address.
    if (!(body.vt & VT_ARRAY)) return {};
    SAFEARRAY* array = (body.vt & VT_BYREF) ? (body.pparray ? *body.pparray : nullptr) : body.parray;
    if (!array) return {};
    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(array, &data))) return {};
    LONG lower = 0;
    LONG upper = -1;
    std::vector<BYTE> copy;
    if (SUCCEEDED(SafeArrayGetLBound(array, 1, &lower)) && SUCCEEDED(SafeArrayGetUBound(array, 1, &upper))) {
        const long long size = static_cast<long long>(upper) - lower + 1;
        if (size > 0 && data) copy.assign(static_cast<const BYTE*>(data), static_cast<const BYTE*>(data) + size);
    }
    SafeArrayUnaccessData(array);
    return copy;
}

}  // namespace

BEGIN_MESSAGE_MAP(CQXExplorerControlDlg, CDialog)
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_COMMAND(IDOK, &CQXExplorerControlDlg::OnOK)
    ON_COMMAND(IDCANCEL, &CQXExplorerControlDlg::OnCancel)
END_MESSAGE_MAP()

using Dlg = CQXExplorerControlDlg;

BEGIN_EVENTSINK_MAP(CQXExplorerControlDlg, CDialog)
    // Reported.
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_BEFORENAVIGATE2, Dlg::OnBeforeNavigate2,
             VTS_DISPATCH VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PBOOL)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_DOWNLOADBEGIN, Dlg::OnDownloadBegin, VTS_NONE)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_DOWNLOADCOMPLETE, Dlg::OnDownloadComplete, VTS_NONE)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_DOCUMENTCOMPLETE, Dlg::OnDocumentComplete, VTS_DISPATCH VTS_PVARIANT)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_NAVIGATECOMPLETE2, Dlg::OnNavigateComplete2, VTS_DISPATCH VTS_PVARIANT)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_NEWWINDOW2, Dlg::OnNewWindow2, VTS_PDISPATCH VTS_PBOOL)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_NEWWINDOW3, Dlg::OnNewWindow3,
             VTS_PDISPATCH VTS_PBOOL VTS_UI4 VTS_BSTR VTS_BSTR)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_PROGRESSCHANGE, Dlg::OnProgressChange, VTS_I4 VTS_I4)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_STATUSTEXTCHANGE, Dlg::OnStatusTextChange, VTS_BSTR)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_TITLECHANGE, Dlg::OnTitleChange, VTS_BSTR)
    // Bound and ignored.
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_CLIENTTOHOSTWINDOW, Dlg::OnClientToHostWindow, VTS_PI4 VTS_PI4)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_COMMANDSTATECHANGE, Dlg::OnCommandStateChange, VTS_I4 VTS_BOOL)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_FILEDOWNLOAD, Dlg::OnFileDownload, VTS_BOOL VTS_PBOOL)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_NAVIGATEERROR, Dlg::OnNavigateError,
             VTS_DISPATCH VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PBOOL)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_ONFULLSCREEN, Dlg::OnFullScreen, VTS_BOOL)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_ONMENUBAR, Dlg::OnMenuBar, VTS_BOOL)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_ONQUIT, Dlg::OnQuit, VTS_NONE)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_ONSTATUSBAR, Dlg::OnStatusBar, VTS_BOOL)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_ONTHEATERMODE, Dlg::OnTheaterMode, VTS_BOOL)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_ONTOOLBAR, Dlg::OnToolBar, VTS_BOOL)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_ONVISIBLE, Dlg::OnVisible, VTS_BOOL)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_PRINTTEMPLATEINSTANTIATION, Dlg::OnPrintTemplateInstantiation, VTS_DISPATCH)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_PRINTTEMPLATETEARDOWN, Dlg::OnPrintTemplateTeardown, VTS_DISPATCH)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_PRIVACYIMPACTEDSTATECHANGE, Dlg::OnPrivacyImpactedStateChange, VTS_BOOL)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_PROPERTYCHANGE, Dlg::OnPropertyChange, VTS_BSTR)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_SETSECURELOCKICON, Dlg::OnSetSecureLockIcon, VTS_I4)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_UPDATEPAGESTATUS, Dlg::OnUpdatePageStatus,
             VTS_DISPATCH VTS_PVARIANT VTS_PVARIANT)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_WINDOWCLOSING, Dlg::OnWindowClosing, VTS_BOOL VTS_PBOOL)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_WINDOWSETHEIGHT, Dlg::OnWindowSetHeight, VTS_I4)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_WINDOWSETLEFT, Dlg::OnWindowSetLeft, VTS_I4)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_WINDOWSETRESIZABLE, Dlg::OnWindowSetResizable, VTS_BOOL)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_WINDOWSETTOP, Dlg::OnWindowSetTop, VTS_I4)
    ON_EVENT(Dlg, IDC_EXPLORER, DISPID_WINDOWSETWIDTH, Dlg::OnWindowSetWidth, VTS_I4)
END_EVENTSINK_MAP()

CQXExplorerControlDlg::CQXExplorerControlDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

CQXExplorerControlDlg::~CQXExplorerControlDlg() { m_wndBrowser.DestroyWindow(); }

void CQXExplorerControlDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EXPLORER, m_wndBrowser);
}

BOOL CQXExplorerControlDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ModifyStyleEx(0, WS_EX_COMPOSITED | WS_EX_NOACTIVATE);
    return TRUE;
}

void CQXExplorerControlDlg::OnSize(UINT nType, int cx, int cy) {
    // The control's own 2-pixel border lies outside the client area.
    if (::IsWindow(m_wndBrowser.m_hWnd)) m_wndBrowser.MoveWindow(-2, -2, cx + 4, cy + 4, TRUE);
    CDialog::OnSize(nType, cx, cy);
}

BOOL CQXExplorerControlDlg::OnEraseBkgnd(CDC*) {
    // The control covers the whole client area.
    return TRUE;
}

LRESULT CQXExplorerControlDlg::NotifyParent(UINT code, const std::function<void(NMPAGEEVENT&)>& fill) {
    CWnd* pParent = GetParent();
    if (!pParent) return 0;
    NMPAGEEVENT record;
    try {
        HWND hWndArea = nullptr;
        pParent->GetDlgItem(m_nNotifyId, &hWndArea);
        record.hdr.hwndFrom = hWndArea;
        record.hdr.idFrom = static_cast<UINT_PTR>(m_nNotifyId);
        record.hdr.code = code;
        record.nTabId = m_nTabId;
        fill(record);
    } catch (const std::bad_alloc&) {
        // No partial record is sent.
        return 0;
    }
    return pParent->SendMessage(WM_NOTIFY, record.hdr.idFrom, reinterpret_cast<LPARAM>(&record));
}

// --- Reported events ---

void CQXExplorerControlDlg::OnBeforeNavigate2(LPDISPATCH, VARIANT* URL, VARIANT*, VARIANT* TargetFrameName,
                                              VARIANT* PostData, VARIANT* Headers, BOOL* Cancel) {
    std::vector<BYTE> body;
    try {
        body = CopyPostData(PostData);
    } catch (const std::bad_alloc&) {
        return;
    }
    const LRESULT reply = NotifyParent(PN_BEFORENAVIGATE, [&](NMPAGEEVENT& e) {
        e.strUrl = VariantText(URL);
        e.strFrame = VariantText(TargetFrameName);
        e.pPostData = body.empty() ? nullptr : body.data();
        e.nPostDataSize = static_cast<std::int32_t>(body.size());
        e.strHeaders = VariantText(Headers);
    });
    if (Cancel) *Cancel = reply != 0 ? VARIANT_TRUE : 0;
}

void CQXExplorerControlDlg::OnDownloadBegin() {
    NotifyParent(PN_DOWNLOADBEGIN, [](NMPAGEEVENT&) {});
}

void CQXExplorerControlDlg::OnDownloadComplete() {
    NotifyParent(PN_LOADCOMPLETE, [](NMPAGEEVENT&) {});
}

void CQXExplorerControlDlg::OnDocumentComplete(LPDISPATCH, VARIANT* URL) {
    NotifyParent(PN_LOADCOMPLETE, [&](NMPAGEEVENT& e) { e.strUrl = VariantText(URL); });
}

void CQXExplorerControlDlg::OnNavigateComplete2(LPDISPATCH, VARIANT* URL) {
    NotifyParent(PN_NAVIGATECOMPLETE, [&](NMPAGEEVENT& e) { e.strUrl = VariantText(URL); });
}

void CQXExplorerControlDlg::OnNewWindow2(LPDISPATCH* ppDisp, BOOL* Cancel) {
    NotifyParent(PN_NEWWINDOW2, [&](NMPAGEEVENT& e) {
        e.ppDisp = ppDisp;
        e.pbCancel = Cancel;
    });
}

void CQXExplorerControlDlg::OnNewWindow3(LPDISPATCH* ppDisp, BOOL* Cancel, unsigned long, LPCOLESTR,
                                         LPCOLESTR bstrUrl) {
    // Pop-ups a page opens while it is still loading are refused on the spot.
    if (m_wndBrowser.get_Busy()) {
        *Cancel = 1;
        return;
    }
    NotifyParent(PN_NEWWINDOW3, [&](NMPAGEEVENT& e) {
        // By way of the ANSI code page, as the main window reads addresses.
        e.strUrl = qx::Utf8ToWide(qx::WideToUtf8(bstrUrl ? bstrUrl : u""));
        e.ppDisp = ppDisp;
        e.pbCancel = Cancel;
    });
}

void CQXExplorerControlDlg::OnProgressChange(long nProgress, long nProgressMax) {
    NotifyParent(PN_PROGRESSCHANGE, [&](NMPAGEEVENT& e) {
        e.nProgress = static_cast<std::int32_t>(nProgress);
        e.nProgressMax = static_cast<std::int32_t>(nProgressMax);
    });
}

void CQXExplorerControlDlg::OnStatusTextChange(LPCOLESTR lpszText) {
    if (!lpszText) return;
    NotifyParent(PN_STATUSTEXTCHANGE, [&](NMPAGEEVENT& e) { e.strText = lpszText; });
}

void CQXExplorerControlDlg::OnTitleChange(LPCOLESTR lpszText) {
    NotifyParent(PN_TITLECHANGE, [&](NMPAGEEVENT& e) { e.strText = lpszText ? lpszText : u""; });
}
