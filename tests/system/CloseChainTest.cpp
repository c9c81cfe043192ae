// Ending the program: every way of closing the window pair ends the one modal run, leaves no
// window behind and exits once; Enter and Escape close nothing.

#include "system/BrowserTest.h"

namespace qx::systest {
namespace {

struct CloseCase {
    const char* name;
    std::function<void(backend::HeadlessBackend&)> close;
};

class CloseChainTest : public BrowserTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseChainTest, ClosingEndsTheModalRunWithNoWindowLeftAndOneExit) {
    HWND owner = nullptr, background = nullptr, main = nullptr;
    Then([&] {
        owner = Owner()->GetSafeHwnd();
        background = Background()->GetSafeHwnd();
        main = MainFrame()->GetSafeHwnd();
        GetParam().close(Desktop());
    });
    // A step that runs only if the run goes on after the close.
    bool bRanOn = false;
    Then([&] { bRanOn = true; });

    EXPECT_EQ(Run(), 0);
    EXPECT_FALSE(bRanOn) << "the close ended the run";
    EXPECT_EQ(Desktop().ScriptEnds(), 0);
    EXPECT_EQ(m_app.m_nExitInstanceCalls, 1);
    EXPECT_FALSE(::IsWindow(owner));
    EXPECT_FALSE(::IsWindow(background));
    EXPECT_FALSE(::IsWindow(main));
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, CloseChainTest,
    ::testing::Values(
        CloseCase{"MainWindowsCloseButton",
                  [](backend::HeadlessBackend&) {
                      MainFrame()->PostMessage(WM_COMMAND, MAKEWPARAM(1002, BN_CLICKED),
                                               reinterpret_cast<LPARAM>(MainFrame()->m_btnClose.GetSafeHwnd()));
                  }},
        CloseCase{"PostedCloseRequest", [](backend::HeadlessBackend&) { Background()->PostMessage(WM_CLOSE); }},
        CloseCase{"DesktopsCloseRequest",
                  [](backend::HeadlessBackend& desktop) { desktop.RequestClose(Background()->GetSafeHwnd()); }},
        CloseCase{"CloseRequestToTheMainWindow",
                  [](backend::HeadlessBackend& desktop) { desktop.RequestClose(MainFrame()->GetSafeHwnd()); }}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(BrowserTest, TheCloseButtonMinimisesTheMainWindowFirst) {
    bool bMinimised = false;
    Then([&] {
        MainFrame()->SendMessage(WM_COMMAND, MAKEWPARAM(1002, BN_CLICKED), 0);
        bMinimised = ::IsIconic(MainFrame()->GetSafeHwnd());
    });
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(bMinimised);
    EXPECT_EQ(m_app.m_nExitInstanceCalls, 1);
}

TEST_F(BrowserTest, EnterAndEscapeCloseNothing) {
    auto pressEnterAndEscape = [this] {
        Then([this] { Desktop().Key(VK_RETURN, u'\r'); });
        Then([this] { Desktop().Key(VK_ESCAPE, 0x1B); });
    };
    // Wherever the focus is: the main window (as after start-up), the background, the owner.
    pressEnterAndEscape();
    Then([&] { Background()->SetFocus(); });
    pressEnterAndEscape();
    Then([&] { ::SetFocus(Owner()->GetSafeHwnd()); });
    pressEnterAndEscape();
    bool bAllThere = false;
    Then([&] {
        bAllThere = Owner() && ::IsWindow(Owner()->GetSafeHwnd()) && ::IsWindow(Background()->GetSafeHwnd()) &&
                    ::IsWindow(MainFrame()->GetSafeHwnd()) && ::IsWindowVisible(MainFrame()->GetSafeHwnd());
    });
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(bAllThere);
    EXPECT_EQ(Desktop().ScriptEnds(), 1) << "the run ended only when the steps were used up";
}

TEST_F(BrowserTest, AnEndedRunLeavesTheExitCodeOfItsQuitMessage) {
    Then([] { ::PostQuitMessage(7); });
    EXPECT_EQ(Run(), 7);
    EXPECT_EQ(m_app.m_nExitInstanceCalls, 1);
}

}  // namespace
}  // namespace qx::systest
