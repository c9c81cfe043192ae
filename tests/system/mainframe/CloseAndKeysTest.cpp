// The main window's own controls end the program or leave it alone: the close button ends the
// whole program, Enter and Escape close nothing, and the title bar drags the window even where
// the title box lies on it.

#include "system/mainframe/MainFrameTest.h"

namespace qx::systest {
namespace {

POINT ScreenCentreOf(HWND control) {
    RECT rc{};
    ::GetWindowRect(control, &rc);
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

TEST_F(MainFrameTest, ClickingTheCloseButtonEndsTheWholeProgram) {
    SetSkinButton("BTN_TITLE_CLOSE", 44, 4, "R");
    HWND owner = nullptr, background = nullptr, main = nullptr;
    Then([&] {
        owner = Owner()->GetSafeHwnd();
        background = Background()->GetSafeHwnd();
        main = MainFrame()->GetSafeHwnd();
        const POINT at = ScreenCentreOf(MainFrame()->m_btnClose.GetSafeHwnd());
        ASSERT_EQ(::WindowFromPoint(at), MainFrame()->m_btnClose.GetSafeHwnd()) << "the button is where the skin says";
        Desktop().Click(at);
    });
    bool bRanOn = false;
    Then([&] { bRanOn = true; });

    EXPECT_EQ(Run(), 0);
    EXPECT_FALSE(bRanOn);
    EXPECT_EQ(m_app.m_nExitInstanceCalls, 1);
    EXPECT_FALSE(::IsWindow(owner));
    EXPECT_FALSE(::IsWindow(background));
    EXPECT_FALSE(::IsWindow(main));
}

TEST_F(MainFrameTest, EnterAndEscapeInTheBoxesOrOnAButtonCloseNothing) {
    SetSkinButton("BTN_BACK", 8, 39, "L");
    auto pressEnterAndEscapeIn = [this](std::function<CWnd*()> target) {
        Then([target] { target()->SetFocus(); });
        Then([this] { Desktop().Key(VK_RETURN, u'\r'); });
        Then([this] { Desktop().Key(VK_ESCAPE, 0x1B); });
    };
    pressEnterAndEscapeIn([] { return &MainFrame()->m_editAddress; });
    pressEnterAndEscapeIn([] { return &MainFrame()->m_editSearch; });
    pressEnterAndEscapeIn([] { return &MainFrame()->m_btnBack; });
    bool bAllThere = false;
    Then([&] {
        bAllThere = ::IsWindow(Background()->GetSafeHwnd()) && ::IsWindow(MainFrame()->GetSafeHwnd()) &&
                    ::IsWindowVisible(MainFrame()->GetSafeHwnd()) && !::IsIconic(MainFrame()->GetSafeHwnd());
    });
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(bAllThere);
    EXPECT_EQ(m_app.m_nExitInstanceCalls, 1);
    EXPECT_EQ(Desktop().ScriptEnds(), 1) << "the run ended only when the steps were used up";
}

TEST_F(MainFrameTest, PressingOnTheTitleBoxBesideItsTextDragsTheWindowPair) {
    POINT from{};
    Then([&] {
        RECT title{};
        ::GetWindowRect(MainFrame()->m_editTitle.GetSafeHwnd(), &title);
        from = {title.right - 5, (title.top + title.bottom) / 2};
        Desktop().Press(from);
    });
    Then([&] {
        EXPECT_TRUE(Desktop().IsMoving());
        Desktop().MovePointer({from.x + 30, from.y + 20});
    });
    Then([&] { Desktop().Release({from.x + 30, from.y + 20}); });
    Then([&] {
        EXPECT_EQ(WindowRect(MainFrame()), (RECT{kStartRect.left + 30, kStartRect.top + 20, kStartRect.right + 30,
                                                 kStartRect.bottom + 20}));
    });
    EXPECT_EQ(Run(), 0);
}

}  // namespace
}  // namespace qx::systest
