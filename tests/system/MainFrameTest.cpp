// The main window over the skin: its background made transparent by the colour key, its frame
// painted around the page area, and its maximise button following the window state.

#include "system/BrowserTest.h"

#include "platform/gfx/DeviceContext.h"

namespace qx::systest {
namespace {

// A pixel of the main window's own surface, before the colour key is applied.
std::uint32_t MainFrameSurfacePixel(int x, int y) {
    HWND main = MainFrame()->GetSafeHwnd();
    HDC dc = ::GetDC(main);
    const gfx::SurfacePtr surface = gfx::SurfaceOfDC(dc);
    const std::uint32_t pixel = surface ? surface->Pixel(x, y) : 0;
    ::ReleaseDC(main, dc);
    return pixel;
}

struct ColorKeyCase {
    const char* skinColor;
    COLORREF background;
    std::uint32_t painted;  // the frame's pixels on the main window's surface
};

class ColorKeyTest : public BrowserTest, public ::testing::WithParamInterface<ColorKeyCase> {};

TEST_P(ColorKeyTest, TheBackgroundColourIsTheKeySoTheSkinShowsThroughAroundThePageArea) {
    const ColorKeyCase& c = GetParam();
    WriteSkin("skin/Default/", {skin::kTitle, c.skinColor});
    Then([&] {
        HWND main = MainFrame()->GetSafeHwnd();
        EXPECT_TRUE(::GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_LAYERED);
        EXPECT_TRUE(::GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_COMPOSITED);
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(::GetLayeredWindowAttributes(main, &key, &alpha, &flags));
        EXPECT_EQ(key, c.background);
        EXPECT_EQ(alpha, 255);
        EXPECT_EQ(flags, LWA_COLORKEY);

        // The frame around the page area (40, 100) - (W, H - 20) is painted in the skin colour;
        // the page area itself is left alone.
        EXPECT_EQ(MainFrameSurfacePixel(425, 50), c.painted) << "above the page area";
        EXPECT_EQ(MainFrameSurfacePixel(20, 300), c.painted) << "left of it";
        EXPECT_EQ(MainFrameSurfacePixel(425, 670), c.painted) << "below it";
        EXPECT_EQ(MainFrameSurfacePixel(425, 300), 0u) << "the page area";

        // On the screen the skin shows through everywhere the main window has no control.
        EXPECT_EQ(ScreenPixel(kStartRect.left + 600, kStartRect.top + 35), skin::kAddressBar);
        EXPECT_EQ(ScreenPixel(kStartRect.left + 425, kStartRect.top + 25), skin::kTitle);
        EXPECT_EQ(ScreenPixel(kStartRect.left + 425, kStartRect.top + 670), skin::kState);
        EXPECT_EQ(ScreenPixel(kStartRect.left + 425, kStartRect.top + 300), skin::kContent);
    });
    EXPECT_EQ(Run(), 0);
}

INSTANTIATE_TEST_SUITE_P(SkinColors, ColorKeyTest,
                         ::testing::Values(ColorKeyCase{"FF00FF", RGB(0xFF, 0x00, 0xFF), 0xFFFF00FF},
                                           // Red and blue unequal: the key is still the very colour painted.
                                           ColorKeyCase{"0B487F", RGB(0x0B, 0x48, 0x7F), 0xFF0B487F}));

TEST_F(BrowserTest, TheFrameIsPaintedAgainAfterALayoutChange) {
    Then([&] { ASSERT_TRUE(MainFrame()->m_bPainted); });
    Then([&] { Desktop().Configure(Background()->GetSafeHwnd(), {75, 60, 1000, 780}); });
    Then([&] {
        EXPECT_TRUE(MainFrame()->m_bPainted);
        EXPECT_EQ(MainFrameSurfacePixel(900, 50), 0xFFFF00FFu) << "the new part of the window is painted too";
        EXPECT_EQ(MainFrameSurfacePixel(900, 710), 0xFFFF00FFu);
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(BrowserTest, TheMaximiseButtonShowsTheRestoreImageWhileMaximised) {
    Then([&] { MainFrame()->ToggleMaximize(); });
    Then([&] {
        EXPECT_TRUE(::IsZoomed(Background()->GetSafeHwnd()));
        EXPECT_EQ(MainFrame()->m_btnMax.m_nImageWidth, 120) << "BTN_TITLE_MAX2";
    });
    Then([&] { MainFrame()->ToggleMaximize(); });
    Then([&] {
        EXPECT_FALSE(::IsZoomed(Background()->GetSafeHwnd()));
        EXPECT_EQ(MainFrame()->m_btnMax.m_nImageWidth, 144) << "BTN_TITLE_MAX";
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(BrowserTest, TheMainWindowsTemplateControlsAreBoundAsSkinControls) {
    Then([&] {
        CQXMainFrame& frame = *MainFrame();
        for (CQXPngButton* button : {&frame.m_btnClose, &frame.m_btnMax, &frame.m_btnMin, &frame.m_btnNotepad,
                                     &frame.m_btnContacts, &frame.m_btnTasks, &frame.m_btnFavorites, &frame.m_btnBack,
                                     &frame.m_btnForward, &frame.m_btnStop, &frame.m_btnRefresh, &frame.m_btnHome,
                                     &frame.m_btnSetting, &frame.m_btnPageIcon, &frame.m_btnSearchIcon,
                                     &frame.m_btnAddressGo, &frame.m_btnSearchGo}) {
            ASSERT_NE(button->GetSafeHwnd(), nullptr);
            EXPECT_EQ(CWnd::FromHandlePermanent(button->GetSafeHwnd()), button);
            EXPECT_EQ(::GetWindowLongW(button->GetSafeHwnd(), GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_OWNERDRAW));
        }
        for (CQXEdit* edit : {&frame.m_editAddress, &frame.m_editSearch, &frame.m_editTitle, &frame.m_editStatus}) {
            EXPECT_EQ(CWnd::FromHandlePermanent(edit->GetSafeHwnd()), edit);
        }
        EXPECT_EQ(frame.m_staticPageArea.GetDlgCtrlID(), 1039);
        // The four text boxes' skin records were read at construction.
        EXPECT_EQ(frame.m_pAddressArea->m_nX, 120);
        EXPECT_EQ(frame.m_pSearchArea->m_strAnchor, u"RR");
        EXPECT_EQ(frame.m_pTitleArea->m_strWidth, u"36-130");
        EXPECT_EQ(frame.m_pStatusArea->m_strAnchor, u"B");
    });
    EXPECT_EQ(Run(), 0);
}

}  // namespace
}  // namespace qx::systest
