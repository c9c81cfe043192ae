// The headless backend as a test drives it: the script, the clock, the desktop's record of the
// windows, and the answers to menus and message boxes.

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/win/WinApi.h"

#include <gtest/gtest.h>

namespace qx::backend {
namespace {

LRESULT Plain(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class HeadlessBackendTest : public ::testing::Test {
protected:
    HeadlessBackendTest() {
        WNDCLASSW wc;
        wc.lpfnWndProc = &Plain;
        wc.lpszClassName = u"QxHeadlessPlain";
        RegisterClassW(&wc);
    }
    HWND Popup(RECT r, DWORD style = WS_POPUP | WS_VISIBLE) {
        return CreateWindowExW(0, u"QxHeadlessPlain", u"", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                               nullptr, nullptr, nullptr, nullptr);
    }

    HeadlessBackend backend{HeadlessOptions{{0, 0, 1366, 768}, {0, 0, 1366, 728}}};
    win::WindowSystemScope scope{backend};
};

TEST_F(HeadlessBackendTest, ScreenAndWorkAreaAreTheChosenOnes) {
    RECT work;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, (RECT{0, 0, 1366, 728}));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1366);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);

    HeadlessBackend standard;
    EXPECT_EQ(standard.ScreenRect(), (RECT{0, 0, 1920, 1080}));
    EXPECT_EQ(standard.WorkArea(), (RECT{0, 0, 1920, 1040}));
}

TEST_F(HeadlessBackendTest, ScriptStepsRunOneEachTimeTheLoopWaitsAndTheEndEndsTheRun) {
    std::vector<int> ran;
    backend.AddStep([&] { ran.push_back(1); });
    backend.AddStep([&] {
        ran.push_back(2);
        backend.AdvanceClock(250);
    });
    win::LoopEnd end = win::RunModalLoop(nullptr, nullptr);
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
    EXPECT_TRUE(end.quit);
    EXPECT_EQ(backend.ScriptEnds(), 1);
    EXPECT_EQ(backend.Now(), 250u);
}

TEST_F(HeadlessBackendTest, ARunWaitingOnATimerThatNeverComesEndsInsteadOfHanging) {
    HWND hwnd = Popup({0, 0, 10, 10});
    SetTimer(hwnd, 1, 10000, nullptr);
    win::LoopEnd end = win::RunModalLoop(hwnd, nullptr);
    EXPECT_TRUE(end.quit);
    EXPECT_EQ(backend.ScriptEnds(), 1);
}

TEST_F(HeadlessBackendTest, DesktopRecordFollowsTheWindow) {
    HWND hwnd = Popup({10, 10, 110, 60}, WS_POPUP);
    const HeadlessWindow* native = backend.FindWindow(hwnd);
    ASSERT_NE(native, nullptr);
    EXPECT_FALSE(native->visible);
    ShowWindow(hwnd, SW_SHOW);
    EXPECT_TRUE(native->visible);
    EXPECT_EQ(backend.ActiveWindow(), hwnd);
    MoveWindow(hwnd, 20, 30, 200, 100, TRUE);
    EXPECT_EQ(native->bounds, (RECT{20, 30, 220, 130}));
    ShowWindow(hwnd, SW_MINIMIZE);
    EXPECT_TRUE(native->minimized);

    ShowWindow(hwnd, SW_RESTORE);
    win::PumpPendingMessages();
    ASSERT_NE(native->image, nullptr);
    EXPECT_EQ(native->image->width(), 200);
    EXPECT_GE(native->presentCount, 1);
}

TEST_F(HeadlessBackendTest, MessageBoxesAreRecordedAndAnsweredWithTheFirstButtonByDefault) {
    EXPECT_EQ(MessageBoxW(nullptr, u"还没有实现", u"Browser", MB_OK), IDOK);
    EXPECT_EQ(MessageBoxW(nullptr, u"Save?", nullptr, MB_YESNO), IDYES);
    backend.SetMessageBoxAnswerer([](const ShownMessageBox& box) { return box.type == MB_YESNO ? IDNO : IDOK; });
    EXPECT_EQ(MessageBoxW(nullptr, u"Save?", nullptr, MB_YESNO), IDNO);
    // An answer the box does not offer counts as closing it.
    backend.SetMessageBoxAnswerer([](const ShownMessageBox&) { return IDRETRY; });
    EXPECT_EQ(MessageBoxW(nullptr, u"Sure?", nullptr, MB_OKCANCEL), IDCANCEL);

    ASSERT_EQ(backend.MessageBoxes().size(), 4u);
    EXPECT_EQ(backend.MessageBoxes()[0].text, u"还没有实现");
    EXPECT_EQ(backend.MessageBoxes()[0].caption, u"Browser");
}

}  // namespace
}  // namespace qx::backend
