#include "app/RunApplication.h"

#include <cstdio>

#include "app/WindowTimerWebClock.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/web/ScriptedWebEngines.h"
#include "platform/framework/Framework.h"
#include "platform/win/Composition.h"
#include "platform/win/WinApi.h"
#include "res/Resources.h"

namespace qx::app {

namespace {

// No page is scripted: about:blank loads, any other address ends on the error page.
struct HeadlessWebEngines {
    web::ScriptedWeb m_web;
    WindowTimerWebClock m_clock;
    web::ScriptedWebEngines m_engines{m_web, m_clock};
};

}  // namespace

int RunApplication(backend::Backend& backend, const WebEngineSetup& setupEngines) {
    win::WindowSystemScope scope(backend);
    res::RegisterResources();
    // The control's window class is registered with the factory, so only inside the scope.
    const std::shared_ptr<void> engines = setupEngines ? setupEngines() : nullptr;
    return AfxWinMain();
}

int RunHeadlessApplication(backend::HeadlessBackend& backend) {
    return RunApplication(backend, [] { return std::make_shared<HeadlessWebEngines>(); });
}

int RunHeadless(const std::string& screenshotPath) {
    backend::HeadlessBackend backend;
    bool bWritten = true;
    if (!screenshotPath.empty()) {
        // The first time the loop has nothing to do, start-up is complete.
        backend.AddStep([&] {
            bWritten = win::SaveScreenshot(screenshotPath);
            if (!bWritten) std::fprintf(stderr, "qxbrowser: cannot write the screenshot %s\n", screenshotPath.c_str());
            // Then the program closes as a user would close it.
            if (CWnd* pMainWnd = AfxGetMainWnd()) pMainWnd->PostMessage(WM_CLOSE);
        });
    }
    const int nExitCode = RunHeadlessApplication(backend);
    return bWritten ? nExitCode : 1;
}

}  // namespace qx::app
