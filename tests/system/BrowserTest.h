#pragma once
// Whole-program tests on the headless backend. Each test gets a program folder of its own with
// config.ini and the test skin, fresh skin readers and a fresh window system; it lists what
// happens as steps (each runs when the program's loop has nothing else to do) and then runs the
// program to its end. A run whose steps are used up ends on its own.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/QXBrowserApp.h"
#include "app/RunningBackgroundWnd.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "system/TestSkin.h"

namespace qx::systest {

// The program's windows while it runs.
RunningBackgroundWnd* Owner();
CQXBrowserBackgroundDlg* Background();
CQXMainFrame* MainFrame();
RECT WindowRect(CWnd* pWnd);

// A pixel of the background window's composed image / of the screen, as 0xAARRGGBB.
std::uint32_t SkinPixel(int x, int y);
std::uint32_t ScreenPixel(int x, int y);
// Writes the background window's image next to the test binary when the test has failed.
void KeepSkinImageOnFailure(const std::string& name);

// The application object, counting its exits.
class CTestBrowserApp : public CQXBrowserApp {
public:
    int ExitInstance() override {
        ++m_nExitInstanceCalls;
        return CQXBrowserApp::ExitInstance();
    }
    int m_nExitInstanceCalls = 0;
};

class BrowserTest : public ::testing::Test {
protected:
    // The default work area: the window opens at (75, 60) with size 850 x 680.
    static constexpr RECT kScreen{0, 0, 1100, 900};
    static constexpr RECT kWorkArea{0, 0, 1000, 800};
    static constexpr RECT kStartRect{75, 60, 925, 740};

    void SetUp() override;
    void TearDown() override;

    // A screen with another work area; call before adding steps.
    void UseWorkArea(RECT workArea, RECT screen = kScreen);

    // The program folder (a file-system path ending in a separator) and files in it.
    const std::string& Folder() const { return m_folder; }
    void WriteConfig(const std::string& text) const;
    std::string ReadConfig() const;
    void WriteSkin(const std::string& relativeFolder, const TestSkinOptions& options = {}) const;

    void Then(std::function<void()> step) { m_backend->AddStep(std::move(step)); }
    // Runs the program to its end; its exit code.
    int Run();

    backend::HeadlessBackend& Desktop() { return *m_backend; }

    std::unique_ptr<backend::HeadlessBackend> m_backend;
    CTestBrowserApp m_app;
    std::string m_folder;
};

}  // namespace qx::systest
