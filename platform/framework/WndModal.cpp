// Pre-translation of queued messages, dialog keys and modal loops.

#include "platform/framework/Exception.h"
#include "platform/framework/WinApp.h"
#include "platform/framework/Wnd.h"
#include "platform/framework/WndInternal.h"
#include "platform/framework/WndMap.h"

namespace qx::fw {

int& HandlerDepth() {
    static int depth = 0;
    return depth;
}

void SyncMainWindow() {
    CWinApp* app = AfxGetApp();
    HWND main = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    if (main && qx::win::GetThreadMainWindow() != main) qx::win::SetThreadMainWindow(main);
}

void OnWindowBound(CWnd&) {
    qx::win::SetPreTranslateHook(&PreTranslateWalk);
    SyncMainWindow();
}

bool PreTranslateWalk(MSG& msg, HWND top) {
    try {
        SyncMainWindow();
        if (HandlerDepth() == 0) DeleteDeadTemporaries();
        HandlerScope running;
        for (HWND h = msg.hwnd; h; h = ::GetParent(h)) {
            if (CWnd* w = CWnd::FromHandlePermanent(h); w && w->PreTranslateMessage(&msg)) return true;
            if (h == top) break;
        }
        return false;
    } catch (...) {
        // A filter that runs a command (Enter in an edit box) fails like a command: reported,
        // and the message counts as handled.
        ReportCurrentException();
        return true;
    }
}

}  // namespace qx::fw

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::PreTranslateInput(MSG* pMsg) {
    const bool key = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
    const bool mouse = pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST;
    return key || mouse ? IsDialogMessage(pMsg) : FALSE;
}

BOOL CWnd::IsDialogMessage(MSG* pMsg) {
    if (!pMsg || !m_hWnd || pMsg->message != WM_KEYDOWN) return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)) return FALSE;
    const auto key = static_cast<UINT>(pMsg->wParam);
    if (key != VK_RETURN && key != VK_ESCAPE) return FALSE;
    // A control that wants every key (a multi-line edit) keeps Enter and Escape.
    const auto code = static_cast<UINT>(
        ::SendMessageW(pMsg->hwnd, WM_GETDLGCODE, pMsg->wParam, reinterpret_cast<LPARAM>(pMsg)));
    if (pMsg->hwnd != m_hWnd && (code & DLGC_WANTALLKEYS)) return FALSE;

    int nID = IDCANCEL;
    if (key == VK_RETURN) {
        nID = IDOK;
        // Enter on a push button of the dialog presses that button.
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(m_hWnd, focus)) {
            const auto focusCode = static_cast<UINT>(::SendMessageW(focus, WM_GETDLGCODE, 0, 0));
            if (focusCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) nID = ::GetDlgCtrlID(focus);
        }
    }
    HWND hWndCtrl = ::GetDlgItem(m_hWnd, nID);
    if (hWndCtrl && !::IsWindowEnabled(hWndCtrl)) return TRUE;
    ::SendMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(nID), static_cast<WORD>(BN_CLICKED)),
                   reinterpret_cast<LPARAM>(hWndCtrl));
    return TRUE;
}

int CWnd::RunModalLoop() {
    HWND h = m_hWnd;
    if (!h) return -1;
    qx::win::SetPreTranslateHook(&qx::fw::PreTranslateWalk);
    qx::fw::SyncMainWindow();
    // The window's liveness is asked first: a dead window may have taken its object with it.
    const qx::win::LoopEnd end = qx::win::RunModalLoop(h, [this, h] { return ::IsWindow(h) && m_bContinueModal; });
    if (end.quit) {
        if (CWinApp* app = AfxGetApp()) app->m_nExitCode = end.exitCode;
    }
    m_bContinueModal = false;
    return m_nModalResult;
}

void CWnd::EndModalLoop(int nResult) {
    m_nModalResult = nResult;
    if (m_bContinueModal) {
        m_bContinueModal = false;
        PostMessage(WM_NULL);
    }
}
