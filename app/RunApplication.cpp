#include "app/RunApplication.h"

#include <cstdio>

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/framework/Framework.h"
#include "platform/win/Composition.h"
#include "platform/win/WinApi.h"
#include "res/Resources.h"

namespace qx::app {

int RunApplication(backend::Backend& backend) {
    win::WindowSystemScope scope(backend);
    res::RegisterResources();
    return AfxWinMain();
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
    const int nExitCode = RunApplication(backend);
    return bWritten ? nExitCode : 1;
}

}  // namespace qx::app
