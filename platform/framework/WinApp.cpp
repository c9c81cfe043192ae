#include "platform/framework/WinApp.h"

#include "platform/base/Strings.h"
#include "platform/framework/Wnd.h"
#include "platform/framework/WndInternal.h"

#include <filesystem>
#include <system_error>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace {

CWinApp*& TheApp() {
    static CWinApp* app = nullptr;
    return app;
}

CString ProgramName() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.stem().empty()) return u"qxbrowser";
    return qx::Utf8ToWide(exe.stem().string());
}

}  // namespace

CWinApp::CWinApp(LPCWSTR lpszAppName) : m_strAppName(lpszAppName ? lpszAppName : ProgramName()) {
    m_pszAppName = m_strAppName.c_str();
    TheApp() = this;
}

CWinApp::~CWinApp() {
    if (TheApp() == this) TheApp() = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
    qx::win::SetPreTranslateHook(&qx::fw::PreTranslateWalk);
    const qx::win::LoopEnd end = qx::win::RunModalLoop(nullptr, [] { return true; });
    if (end.quit) m_nExitCode = end.exitCode;
    return ExitInstance();
}

int CWinApp::ExitInstance() { return m_nExitCode; }

void CWinApp::SetRegistryKey(LPCWSTR lpszRegistryKey) { m_strRegistryKey = lpszRegistryKey ? lpszRegistryKey : u""; }

CWinApp* AfxGetApp() { return TheApp(); }

CWnd* AfxGetMainWnd() {
    CWinApp* app = AfxGetApp();
    return app ? app->m_pMainWnd : nullptr;
}

int AfxWinMain() {
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    if (!app->InitInstance()) {
        if (app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}
