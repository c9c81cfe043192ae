#include "app/RunningBackgroundWnd.h"

#include "res/ResourceIds.h"

namespace {

using PFN_SWITCHTOTHISWINDOW = void (*)(HWND, BOOL);

}  // namespace

BEGIN_MESSAGE_MAP(RunningBackgroundWnd, CDialogEx)
    ON_COMMAND(IDOK, &RunningBackgroundWnd::OnIgnoreCommand)
    ON_MESSAGE(CQXTrayIcon::kCallbackMessage, &RunningBackgroundWnd::OnTrayIconMessage)
    ON_WM_SIZE()
    ON_COMMAND(IDCANCEL, &RunningBackgroundWnd::OnIgnoreCommand)
END_MESSAGE_MAP()

RunningBackgroundWnd::RunningBackgroundWnd() : CDialogEx(IDD_RUNNING_BACKGROUND) {}

RunningBackgroundWnd::~RunningBackgroundWnd() {
    if (m_pTrayIcon && m_pTrayIcon->m_bEnabled) m_pTrayIcon->RemoveIcon();
}

BOOL RunningBackgroundWnd::OnInitDialog() {
    CDialogEx::OnInitDialog();
    // No taskbar button: the background window carries the program's.
    ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);

    const HICON hIcon = ::LoadIconW(nullptr, MAKEINTRESOURCEW(IDR_MAINFRAME));
    m_pTrayIcon = std::make_unique<CQXTrayIcon>();
    m_pTrayIcon->Create(this, hIcon);
    m_pTrayIcon->m_bHidden = FALSE;
    m_pTrayIcon->HideIcon();

    MoveWindow(0, 0, 0, 0, TRUE);
    ShowWindow(SW_HIDE);

    m_pBackground = std::make_unique<CQXBrowserBackgroundDlg>();
    m_pBackground->Create(IDD_BROWSER_BACKGROUND, this);
    m_pBackground->SetFocus();
    SwitchToBackground();
    // The focus was given to the background window above; the first control of this hidden
    // window must not take it back.
    return FALSE;
}

void RunningBackgroundWnd::SwitchToBackground() {
    HWND hBackground = m_pBackground->GetSafeHwnd();
    if (!::IsWindow(hBackground)) return;
    const auto pfnSwitch = reinterpret_cast<PFN_SWITCHTOTHISWINDOW>(
        ::GetProcAddress(::GetModuleHandleW(u"user32"), "SwitchToThisWindow"));
    if (pfnSwitch) {
        pfnSwitch(hBackground, TRUE);
    } else {
        ::SetForegroundWindow(hBackground);
    }
}

BOOL RunningBackgroundWnd::PreTranslateMessage(MSG* pMsg) {
    // Every queued message of the program's windows passes here; a close request that no window
    // below handled ends the program.
    if (pMsg->message == WM_CLOSE) {
        DestroyWindow();
        return TRUE;
    }
    return CDialogEx::PreTranslateMessage(pMsg);
}

LRESULT RunningBackgroundWnd::OnTrayIconMessage(WPARAM, LPARAM) { return 1; }

void RunningBackgroundWnd::OnSize(UINT nType, int cx, int cy) { CDialogEx::OnSize(nType, cx, cy); }
