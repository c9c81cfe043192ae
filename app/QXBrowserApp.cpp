#include "app/QXBrowserApp.h"

#include <memory>

#include "app/RunningBackgroundWnd.h"
#include "platform/gfx/GdiPlus.h"
#include "skin/SkinFolder.h"

CQXBrowserApp::CQXBrowserApp() { m_dwRestartManagerSupportFlags = AFX_RESTART_MANAGER_SUPPORT_RESTART; }

BOOL CQXBrowserApp::InitInstance() {
    Gdiplus::GdiplusStartupInput gdiplusStartupInput;
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &gdiplusStartupInput, nullptr);

    // FIXME: create the script bridge (CImpIDispatch, reference count 0) into m_pExternalDispatch.
    // FIXME: install the control-site factory: AfxEnableControlContainer(new CCustomOccManager).
    // The common controls need no registration here: the standard control classes always exist.

    CWinApp::InitInstance();
    auto pShellManager = std::make_unique<CShellManager>();
    SetRegistryKey(u"应用程序向导生成的本地应用程序");

    ResolveSkinFolder();

    RunningBackgroundWnd dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // The user interface has ended; the owner window object goes last, on return.
    pShellManager.reset();
    if (m_pMainWnd == &dlg) m_pMainWnd = nullptr;
    return FALSE;
}

int CQXBrowserApp::ExitInstance() {
    Gdiplus::GdiplusShutdown(m_gdiplusToken);
    // FIXME: delete the script bridge in m_pExternalDispatch.
    return CWinApp::ExitInstance();
}
