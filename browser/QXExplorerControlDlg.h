#pragma once
// CQXExplorerControlDlg: the page dialog of one tab. A borderless child of the main window on
// template 105 that holds one web browser control, reduces the control's events to NMPAGEEVENT
// records and sends them to the main window as WM_NOTIFY. It refuses, by itself, pop-ups a page
// asks for while it is still loading.
//
// Creation (the main window's new tab): construct, set m_nNotifyId = 1039, Create(IDD, main
// window), ShowWindow(SW_SHOW), m_wndBrowser.put_Silent(TRUE); once the tab strip has numbered
// the tab, set m_nTabId.

#include "browser/QXExplorerControl.h"
#include "browser/QXPageEvent.h"
#include "res/ResourceIds.h"

#include <functional>

class CQXExplorerControlDlg : public CDialog {
    DECLARE_DYNAMIC(CQXExplorerControlDlg)

public:
    enum { IDD = IDD_EXPLORER_PAGE };

    explicit CQXExplorerControlDlg(CWnd* pParent = nullptr);
    // The control goes first, then the dialog.
    ~CQXExplorerControlDlg() override;

    CQXExplorerControl m_wndBrowser;  // control 1038
    int m_nTabId = 0;                 // the number of the tab that owns this page
    int m_nNotifyId = 0;              // the control id every notification carries (1039)

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter and Escape never end the page.
    void OnOK() override {}
    void OnCancel() override {}
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* pDC);

    // Sends code to the parent with the record filled by fill; the parent's reply, 0 when nothing
    // was sent (no parent, or no memory for the record).
    LRESULT NotifyParent(UINT code, const std::function<void(NMPAGEEVENT&)>& fill);

    // Browser events that are reported.
    void OnBeforeNavigate2(LPDISPATCH pDisp, VARIANT* URL, VARIANT* Flags, VARIANT* TargetFrameName,
                           VARIANT* PostData, VARIANT* Headers, BOOL* Cancel);
    void OnDownloadBegin();
    void OnDownloadComplete();
    void OnDocumentComplete(LPDISPATCH pDisp, VARIANT* URL);
    void OnNavigateComplete2(LPDISPATCH pDisp, VARIANT* URL);
    void OnNewWindow2(LPDISPATCH* ppDisp, BOOL* Cancel);
    void OnNewWindow3(LPDISPATCH* ppDisp, BOOL* Cancel, unsigned long dwFlags, LPCOLESTR bstrUrlContext,
                      LPCOLESTR bstrUrl);
    void OnProgressChange(long nProgress, long nProgressMax);
    void OnStatusTextChange(LPCOLESTR lpszText);
    void OnTitleChange(LPCOLESTR lpszText);

    // Browser events that are bound and ignored: none writes a flag or sends anything.
    void OnClientToHostWindow(LONG* /*CX*/, LONG* /*CY*/) {}
    void OnCommandStateChange(long /*Command*/, BOOL /*Enable*/) {}
    void OnFileDownload(BOOL /*ActiveDocument*/, VARIANT_BOOL* /*Cancel*/) {}
    void OnNavigateError(LPDISPATCH /*pDisp*/, VARIANT* /*URL*/, VARIANT* /*Frame*/, VARIANT* /*StatusCode*/,
                         VARIANT_BOOL* /*Cancel*/) {}
    void OnFullScreen(BOOL /*FullScreen*/) {}
    void OnMenuBar(BOOL /*MenuBar*/) {}
    void OnQuit() {}
    void OnStatusBar(BOOL /*StatusBar*/) {}
    void OnTheaterMode(BOOL /*TheaterMode*/) {}
    void OnToolBar(BOOL /*ToolBar*/) {}
    void OnVisible(BOOL /*Visible*/) {}
    void OnPrintTemplateInstantiation(LPDISPATCH /*pDisp*/) {}
    void OnPrintTemplateTeardown(LPDISPATCH /*pDisp*/) {}
    void OnPrivacyImpactedStateChange(BOOL /*bImpacted*/) {}
    void OnPropertyChange(LPCOLESTR /*szProperty*/) {}
    void OnSetSecureLockIcon(long /*SecureLockIcon*/) {}
    void OnUpdatePageStatus(LPDISPATCH /*pDisp*/, VARIANT* /*nPage*/, VARIANT* /*fDone*/) {}
    void OnWindowClosing(BOOL /*IsChildWindow*/, VARIANT_BOOL* /*Cancel*/) {}
    void OnWindowSetHeight(long /*Height*/) {}
    void OnWindowSetLeft(long /*Left*/) {}
    void OnWindowSetResizable(BOOL /*Resizable*/) {}
    void OnWindowSetTop(long /*Top*/) {}
    void OnWindowSetWidth(long /*Width*/) {}

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
