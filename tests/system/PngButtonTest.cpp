// The image button: its frame by state, in pixels; the pointer tracked once per entry; a double
// click as two clicks; Enter and Escape going nowhere.

#include "system/SkinControlTest.h"

#include <fstream>

#include "platform/base/Strings.h"

namespace qx::systest {
namespace {

using PngButtonTest = SkinControlTest;

TEST_F(PngButtonTest, TheStripSplitsIntoFourFramesAndColumnsPastTheFourthBelongToNone) {
    struct Case {
        int width;
        int frameWidth;
    };
    for (const Case c : {Case{120, 30}, Case{122, 30}, Case{123, 30}, Case{3, 0}}) {
        SCOPED_TRACE(c.width);
        dlg.m_btnOther.SetImage(qx::Utf8ToWide(WriteStrip("strip" + std::to_string(c.width) + ".png", c.width)));
        EXPECT_EQ(dlg.m_btnOther.m_nImageWidth, c.width);
        EXPECT_EQ(dlg.m_btnOther.m_nFrameHeight, 24);
        EXPECT_EQ(dlg.m_btnOther.m_nFrameWidth, c.frameWidth);
    }
}

TEST_F(PngButtonTest, TheNormalFrameIsDrawnAtItsOwnSizeFromTheCorner) {
    HWND button = dlg.m_btn.GetSafeHwnd();
    EXPECT_EQ(::GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_OWNERDRAW));
    EXPECT_EQ(PixelOf(button, 0, 0), kNormal);
    EXPECT_EQ(PixelOf(button, 29, 23), kNormal);
    EXPECT_EQ(PixelOf(button, 30, 10), 0u) << "not stretched to the button's width";
    EXPECT_EQ(PixelOf(button, 10, 24), 0u) << "not stretched to the button's height";
}

TEST_F(PngButtonTest, HoverPressAndLeaveShowTheirFramesWithOneTrackingRequestPerEntry) {
    auto& btn = dlg.m_btn;
    HWND button = btn.GetSafeHwnd();
    const POINT over = ScreenPoint(button, 15, 12);
    const POINT outside = ScreenPoint(dlg.GetSafeHwnd(), 250, 150);

    // In, moving about, resting: one hover report, the hover frame, one hide-and-show.
    backend.MovePointer(over);
    Pump();
    EXPECT_TRUE(btn.m_bTracking);
    backend.MovePointer({over.x + 1, over.y});
    Rest();
    backend.MovePointer({over.x + 2, over.y + 1});
    Rest();
    EXPECT_EQ(btn.Count(WM_MOUSEHOVER), 1) << "the pointer is tracked once per entry";
    EXPECT_EQ(PixelOf(button, 5, 5), kHover);
    EXPECT_EQ(btn.Count(WM_SHOWWINDOW), 2) << "hidden and shown once for the new frame";

    // Pressed: frame 3, whatever the hover flag says, without a hide-and-show.
    btn.m_messages.clear();
    backend.Press(over);
    Pump();
    EXPECT_EQ(PixelOf(button, 5, 5), kPressed);
    EXPECT_EQ(btn.Count(WM_SHOWWINDOW), 0);
    backend.Release(over);
    Pump();
    EXPECT_EQ(PixelOf(button, 5, 5), kHover) << "back to the hover frame after the release";
    EXPECT_EQ(btn.Count(WM_SHOWWINDOW), 0) << "the frame before the press was the hover frame already";
    EXPECT_EQ(dlg.m_log, (std::vector<std::string>{"clicked"}));

    // Out: the normal frame and a new request on the next entry.
    btn.m_messages.clear();
    backend.MovePointer(outside);
    Rest();
    EXPECT_EQ(btn.Count(WM_MOUSELEAVE), 1);
    EXPECT_FALSE(btn.m_bTracking);
    EXPECT_EQ(PixelOf(button, 5, 5), kNormal);
    EXPECT_EQ(btn.Count(WM_SHOWWINDOW), 2);
    backend.MovePointer(over);
    Pump();
    Rest();
    EXPECT_EQ(btn.Count(WM_MOUSEHOVER), 1);
    EXPECT_EQ(PixelOf(button, 5, 5), kHover);
}

TEST_F(PngButtonTest, ADoubleClickGivesTheOwnerTwoClicks) {
    const POINT over = ScreenPoint(dlg.m_btn.GetSafeHwnd(), 15, 12);
    backend.DoubleClick(over);
    Pump();
    EXPECT_EQ(dlg.m_log, (std::vector<std::string>{"clicked", "clicked"}));
}

TEST_F(PngButtonTest, EnterAndEscapeOnAFocusedImageButtonDoNothingAtAll) {
    dlg.m_btn.SetFocus();
    backend.Key(VK_RETURN, u'\r');
    backend.Key(VK_ESCAPE, 0x1B);
    backend.Key(VK_SPACE, u' ');
    Pump();
    EXPECT_EQ(dlg.m_log, (std::vector<std::string>{"clicked"})) << "only Space presses it";
    EXPECT_TRUE(::IsWindow(dlg.GetSafeHwnd()));
}

TEST_F(PngButtonTest, AnImageThatCannotBeLoadedLeavesTheButtonBlank) {
    for (const char* name : {"missing.png", "not-an-image.png"}) {
        SCOPED_TRACE(name);
        std::ofstream(m_folder + "not-an-image.png") << "text";
        dlg.m_btn.SetImage(qx::Utf8ToWide(m_folder + name));
        EXPECT_EQ(dlg.m_btn.m_nImageWidth, 0);
        EXPECT_EQ(dlg.m_btn.m_nFrameHeight, 0);
        EXPECT_EQ(dlg.m_btn.m_nFrameWidth, 0);
        dlg.m_btn.Invalidate();
        Pump();
        EXPECT_TRUE(::IsWindow(dlg.m_btn.GetSafeHwnd()));
    }
    // A button that never had an image draws nothing either.
    EXPECT_EQ(PixelOf(dlg.m_btnOther.GetSafeHwnd(), 5, 5), 0u);
}

TEST_F(PngButtonTest, SetLocationCopiesTheRecordAndLoadsItsImageWithoutMovingTheButton) {
    CQXButtonLocationModel location;
    location.m_strImage = qx::Utf8ToWide(WriteStrip("located.png", 96));
    location.m_nX = 30;
    location.m_nY = 4;
    location.m_nWidth = 28;
    location.m_nHeight = 24;
    location.m_strAnchor = u"R";
    RECT before;
    ::GetWindowRect(dlg.m_btn.GetSafeHwnd(), &before);
    dlg.m_btn.SetLocation(location);
    EXPECT_EQ(dlg.m_btn.m_nX, 30);
    EXPECT_EQ(dlg.m_btn.m_nY, 4);
    EXPECT_EQ(dlg.m_btn.m_nWidth, 28);
    EXPECT_EQ(dlg.m_btn.m_nHeight, 24);
    EXPECT_EQ(dlg.m_btn.m_strAnchor, u"R");
    EXPECT_EQ(dlg.m_btn.m_nFrameWidth, 24);
    RECT after;
    ::GetWindowRect(dlg.m_btn.GetSafeHwnd(), &after);
    EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace qx::systest
