// The title box, the status line and the background window's caption.

#include "system/mainframe/MainFrameTest.h"

#include "platform/win/Composition.h"

namespace qx::systest {
namespace {

constexpr const char16_t* kProductTitle = u"栎木网络互联测试版";

// Whether the screen shows colour somewhere inside a control of the main window.
bool ShowsColorInside(HWND control, std::uint32_t color) {
    const gfx::SurfacePtr screen = win::ComposeScreenImage();
    RECT rc{};
    ::GetWindowRect(control, &rc);
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x) {
            if (screen->Pixel(x, y) == color) return true;
        }
    }
    return false;
}

TEST_F(MainFrameTest, AfterStartUpTheTitleBoxShowsTheProductTitleAndTheCaptionTheBackgroundWindowsOwn) {
    Then([&] {
        CQXMainFrame& frame = *MainFrame();
        EXPECT_EQ(frame.m_editTitle.GetWindowText(), kProductTitle);
        EXPECT_EQ(frame.m_editStatus.GetWindowText(), kProductTitle);
        // The main window's title went to the caption first; the background window's own
        // initialisation, which runs after it, set its caption last.
        EXPECT_EQ(Background()->GetWindowText(), CQXBrowserBackgroundDlg::kCaption);
        EXPECT_EQ(Desktop().FindWindow(Background()->GetSafeHwnd())->title, CQXBrowserBackgroundDlg::kCaption);
        EXPECT_EQ(frame.GetWindowText(), u"") << "the mailbox starts empty";
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(MainFrameTest, TheTitleIsDrawnIn0B487FAndTheStatusLineInBlackOverTheSkin) {
    Then([&] {
        CQXMainFrame& frame = *MainFrame();
        EXPECT_EQ(frame.m_editTitle.m_crText, RGB(0x0B, 0x48, 0x7F));
        EXPECT_EQ(frame.m_editTitle.m_crBack, RGB(0xFF, 0x00, 0xFF)) << "the skin's background colour";
        EXPECT_EQ(frame.m_editStatus.m_crText, RGB(0, 0, 0));
        EXPECT_EQ(frame.m_editStatus.m_crBack, RGB(0xFF, 0x00, 0xFF));
        EXPECT_TRUE(ShowsColorInside(frame.m_editTitle.GetSafeHwnd(), 0xFF0B487F));
        EXPECT_TRUE(ShowsColorInside(frame.m_editStatus.GetSafeHwnd(), 0xFF000000));
        // Their background is the key colour, so the skin's title bar shows around the text.
        const RECT title = ControlRect(frame.m_editTitle.GetSafeHwnd());
        const RECT main = WindowRect(MainFrame());
        const POINT beside{title.right - 2, title.bottom - 2};
        EXPECT_EQ(ScreenPixel(main.left + beside.x, main.top + beside.y), SkinPixel(beside.x, beside.y));
    });
    EXPECT_EQ(Run(), 0);
}

struct TitleCase {
    const char16_t* base;
    const char16_t* page;
    const char16_t* shown;
};

TEST_F(MainFrameTest, ApplyTitleJoinsTheBaseAndThePageTitleWithASpacedHyphen) {
    const TitleCase cases[] = {
        {kProductTitle, u"Example Domain", u"栎木网络互联测试版 - Example Domain"},
        {kProductTitle, u"", kProductTitle},
        {u"", u"Example Domain", u"Example Domain"},
        {u"", u"", u""},
    };
    Then([&] {
        for (const TitleCase& c : cases) {
            MainFrame()->ApplyTitle(c.base, c.page);
            EXPECT_EQ(MainFrame()->m_editTitle.GetWindowText(), c.shown);
            EXPECT_EQ(Background()->GetWindowText(), c.shown);
        }
    });
    EXPECT_EQ(Run(), 0);
}

}  // namespace
}  // namespace qx::systest
