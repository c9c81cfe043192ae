// The application object: AfxWinMain runs InitInstance, then the loop or not, then
// ExitInstance, whose answer is the exit code; the main window is handed to the window system.

#include "FrameworkTest.h"

#include <string>
#include <vector>

namespace qx::fw::test {
namespace {

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp(nullptr) {}
    BOOL m_bRunLoop = FALSE;
    std::vector<std::string> m_log;
    BOOL InitInstance() override {
        m_log.push_back("InitInstance");
        CWinApp::InitInstance();
        return m_bRunLoop;
    }
    int ExitInstance() override {
        m_log.push_back("ExitInstance");
        return CWinApp::ExitInstance() + 100;
    }
};

class WinAppTest : public FrameworkTest {};

TEST_F(WinAppTest, WithoutALoopExitInstanceFollowsInitInstanceAndGivesTheExitCode) {
    CTestApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_EQ(AfxWinMain(), 100);
    EXPECT_EQ(app.m_log, (std::vector<std::string>{"InitInstance", "ExitInstance"}));
    EXPECT_EQ(app.m_strAppName, u"qx_framework_tests") << "the program's name by default";
}

TEST_F(WinAppTest, WithALoopTheQuitCodeReachesExitInstance) {
    CTestApp app;
    app.m_bRunLoop = TRUE;
    backend.AddStep([] { ::PostQuitMessage(7); });
    EXPECT_EQ(AfxWinMain(), 107);
    EXPECT_EQ(app.m_log, (std::vector<std::string>{"InitInstance", "ExitInstance"}));
}

TEST_F(WinAppTest, TheMainWindowIsTheWindowSystemsAndItsDestructionClearsIt) {
    CTestApp app;
    CWnd main;
    app.m_pMainWnd = &main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(qx::win::GetThreadMainWindow(), main.m_hWnd);
    EXPECT_EQ(AfxGetMainWnd(), &main);
    main.DestroyWindow();
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    MSG msg;
    EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "the end of the main window ends the loop";
    app.SetRegistryKey(u"应用程序向导生成的本地应用程序");
    EXPECT_EQ(app.m_strRegistryKey, u"应用程序向导生成的本地应用程序");
}

}  // namespace
}  // namespace qx::fw::test
