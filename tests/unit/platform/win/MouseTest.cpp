// Mouse input from the backend: where it goes, capture, double clicks, hover and leave, and the
// system move with the mouse.

#include "TestWindows.h"

namespace qx::win::test {
namespace {

class MouseTest : public WindowTest {
protected:
    MouseTest() {
        top = CreatePopup({100, 100, 400, 300});
        button = CreateChild(top, {10, 10, 60, 40}, 1002);
        PumpPendingMessages();
        ClearLog();
    }
    HWND top = nullptr;
    HWND button = nullptr;
};

TEST_F(MouseTest, InputGoesToTheTopmostChildUnderThePointInClientCoordinates) {
    HWND covering = CreateChild(top, {0, 0, 300, 200});  // created last: below the button
    backend.MovePointer({115, 120});
    backend.Click({115, 120});
    PumpPendingMessages();
    ASSERT_EQ(Count(button, WM_LBUTTONDOWN), 1);
    EXPECT_EQ(PointOf(Received(button, WM_LBUTTONDOWN)[0].lParam), (POINT{5, 10}));
    EXPECT_EQ(Received(button, WM_LBUTTONDOWN)[0].wParam, MK_LBUTTON);
    EXPECT_EQ(Count(button, WM_LBUTTONUP), 1);
    EXPECT_EQ(Count(button, WM_MOUSEMOVE), 1);

    backend.Click({300, 250});
    PumpPendingMessages();
    EXPECT_EQ(Count(covering, WM_LBUTTONDOWN), 1);
    EXPECT_EQ(WindowFromPoint({300, 250}), covering);
    EXPECT_EQ(WindowFromPoint({50, 50}), nullptr);
}

TEST_F(MouseTest, DisabledAndHiddenChildrenLetTheParentHaveTheMouse) {
    EnableWindow(button, FALSE);
    EXPECT_EQ(WindowFromPoint({115, 120}), top);
    EnableWindow(button, TRUE);
    ShowWindow(button, SW_HIDE);
    EXPECT_EQ(WindowFromPoint({115, 120}), top);
}

TEST_F(MouseTest, CaptureGetsTheMouseWhereverThePointerIs) {
    HWND other = CreatePopup({500, 500, 600, 600});
    PumpPendingMessages();
    SetCapture(button);
    backend.MovePointer({550, 550});
    backend.Release({550, 550});
    PumpPendingMessages();
    EXPECT_EQ(Count(other, WM_MOUSEMOVE), 0);
    ASSERT_EQ(Count(button, WM_LBUTTONUP), 1);
    EXPECT_EQ(PointOf(Received(button, WM_LBUTTONUP)[0].lParam), (POINT{440, 440}));

    SetCapture(top);
    EXPECT_EQ(Received(button, WM_CAPTURECHANGED).back().lParam, reinterpret_cast<LPARAM>(top));
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Received(top, WM_CAPTURECHANGED).back().lParam, 0);
}

struct ClickCase {
    const char* name;
    bool doubleClickClass;
    std::uint64_t gap;  // milliseconds between the presses
    int dx;             // how far the second press is from the first
    int doubleClicks;
    int presses;
};

class DoubleClickTest : public MouseTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(DoubleClickTest, SecondPressIsADoubleClickOnlyForClassesThatAskAndWithinTimeAndDistance) {
    const ClickCase& c = GetParam();
    HWND target = Create(WS_CHILD | WS_VISIBLE, {100, 100, 200, 180}, top, 0, 0,
                         c.doubleClickClass ? kDoubleClickClass : kClass);
    backend.Click({250, 250});
    backend.AdvanceClock(c.gap);
    backend.Click({250 + c.dx, 250});
    PumpPendingMessages();
    EXPECT_EQ(Count(target, WM_LBUTTONDBLCLK), c.doubleClicks);
    EXPECT_EQ(Count(target, WM_LBUTTONDOWN), c.presses);
    EXPECT_EQ(Count(target, WM_LBUTTONUP), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, DoubleClickTest,
    ::testing::Values(ClickCase{"QuickPair", true, 0, 0, 1, 1}, ClickCase{"AtTheTimeLimit", true, 500, 0, 1, 1},
                      ClickCase{"TooSlow", true, 501, 0, 0, 2}, ClickCase{"WithinDistance", true, 100, 2, 1, 1},
                      ClickCase{"TooFar", true, 100, 3, 0, 2}, ClickCase{"ClassWithoutDoubleClicks", false, 0, 0, 0, 2}),
    [](const ::testing::TestParamInfo<ClickCase>& param) { return std::string(param.param.name); });

TEST_F(MouseTest, AThirdQuickPressStartsOver) {
    HWND target = Create(WS_CHILD | WS_VISIBLE, {100, 100, 200, 180}, top, 0, 0, kDoubleClickClass);
    backend.DoubleClick({250, 250});
    backend.Click({250, 250});
    PumpPendingMessages();
    EXPECT_EQ(Count(target, WM_LBUTTONDBLCLK), 1);
    EXPECT_EQ(Count(target, WM_LBUTTONDOWN), 2);
}

TEST_F(MouseTest, HoverAndLeaveArriveOncePerEntry) {
    // The image button's way: ask for tracking on the first move while not tracking.
    bool tracking = false;
    On(button, WM_MOUSEMOVE, [&](HWND self, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (!tracking) {
            TRACKMOUSEEVENT track;
            track.cbSize = 16;
            track.dwFlags = TME_HOVER | TME_LEAVE;
            track.hwndTrack = self;
            track.dwHoverTime = 1;
            tracking = _TrackMouseEvent(&track) != FALSE;
        }
        return std::nullopt;
    });
    On(button, WM_MOUSELEAVE, [&](HWND, WPARAM, LPARAM) -> std::optional<LRESULT> {
        tracking = false;
        return 0;
    });

    for (int entry = 1; entry <= 2; ++entry) {
        backend.MovePointer({115, 120});
        PumpPendingMessages();
        backend.AdvanceClock(5);
        PumpPendingMessages();
        backend.MovePointer({116, 121});  // resting within the hover rectangle
        backend.AdvanceClock(50);
        PumpPendingMessages();
        EXPECT_EQ(Count(button, WM_MOUSEHOVER), entry);
        EXPECT_EQ(Count(button, WM_MOUSELEAVE), entry - 1);
        backend.MovePointer({300, 250});
        PumpPendingMessages();
        EXPECT_EQ(Count(button, WM_MOUSELEAVE), entry);
    }
    EXPECT_EQ(PointOf(Received(button, WM_MOUSEHOVER)[0].lParam), (POINT{5, 10}));
}

TEST_F(MouseTest, HoverTimeCountsFromTheLastMoveOutOfTheHoverRectangle) {
    backend.MovePointer({115, 120});
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_HOVER;
    track.hwndTrack = button;
    track.dwHoverTime = 100;
    ASSERT_TRUE(TrackMouseEvent(&track));
    backend.AdvanceClock(60);
    backend.MovePointer({125, 125});
    backend.AdvanceClock(60);
    PumpPendingMessages();
    EXPECT_EQ(Count(button, WM_MOUSEHOVER), 0);
    backend.AdvanceClock(40);
    PumpPendingMessages();
    EXPECT_EQ(Count(button, WM_MOUSEHOVER), 1);
}

TEST_F(MouseTest, TrackingEndsWithCancelOrAtOnceWhenThePointerIsElsewhere) {
    backend.MovePointer({115, 120});
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = button;
    track.dwHoverTime = 10;
    TrackMouseEvent(&track);
    track.dwFlags = TME_HOVER | TME_LEAVE | TME_CANCEL;
    TrackMouseEvent(&track);
    backend.AdvanceClock(20);
    backend.MovePointer({300, 250});
    PumpPendingMessages();
    EXPECT_EQ(Count(button, WM_MOUSEHOVER), 0);
    EXPECT_EQ(Count(button, WM_MOUSELEAVE), 0);

    track.dwFlags = TME_LEAVE;
    TrackMouseEvent(&track);
    PumpPendingMessages();
    EXPECT_EQ(Count(button, WM_MOUSELEAVE), 1) << "the pointer had left already";
}

TEST_F(MouseTest, SystemMoveByMouseFollowsThePointerUntilRelease) {
    HWND follower = CreatePopup({100, 100, 400, 300}, top);
    On(top, WM_LBUTTONDOWN, [](HWND self, WPARAM, LPARAM) -> std::optional<LRESULT> {
        SendMessageW(self, WM_SYSCOMMAND, 0xF011, 0);
        return std::nullopt;
    });
    // The window that follows, as the background window carries the main window.
    On(top, WM_MOVE, [follower](HWND self, WPARAM, LPARAM) -> std::optional<LRESULT> {
        RECT rect;
        GetWindowRect(self, &rect);
        MoveWindow(follower, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
        return std::nullopt;
    });
    SetWindowPos(follower, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_EQ(WindowFromPoint({250, 250}), top);
    backend.Press({250, 250});
    PumpPendingMessages();
    ASSERT_TRUE(backend.IsMoving());
    backend.MovePointer({260, 270});
    backend.MovePointer({300, 320});
    backend.Release({300, 320});
    backend.MovePointer({310, 330});
    PumpPendingMessages();

    RECT rect;
    GetWindowRect(top, &rect);
    EXPECT_EQ(rect, (RECT{150, 170, 450, 370}));
    GetWindowRect(follower, &rect);
    EXPECT_EQ(rect, (RECT{150, 170, 450, 370}));
    EXPECT_EQ(Count(top, WM_MOVE), 2);
    EXPECT_EQ(Count(top, WM_LBUTTONUP), 0) << "the move took the release";
    EXPECT_FALSE(backend.IsMoving());
}

TEST_F(MouseTest, APressActivatesTheClickedTopLevelWindow) {
    HWND other = CreatePopup({500, 500, 600, 600});
    ASSERT_EQ(GetActiveWindow(), other);
    backend.Click({115, 120});
    EXPECT_EQ(GetActiveWindow(), top);
    EXPECT_EQ(LOWORD(Received(top, WM_ACTIVATE).back().wParam), WA_CLICKACTIVE);
}

}  // namespace
}  // namespace qx::win::test
