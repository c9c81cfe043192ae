// Show states: maximise, minimise, restore, their sizes and WM_SIZE types, and size bounds.

#include "TestWindows.h"

namespace qx::win::test {
namespace {

class ShowWindowTest : public WindowTest {
protected:
    RECT WindowRect(HWND hwnd) {
        RECT rect;
        GetWindowRect(hwnd, &rect);
        return rect;
    }
    // The size type and size of the last WM_SIZE.
    std::pair<WPARAM, POINT> LastSize(HWND hwnd) {
        auto sizes = Received(hwnd, WM_SIZE);
        if (sizes.empty()) return {99, {}};
        return {sizes.back().wParam, PointOf(sizes.back().lParam)};
    }
};

struct ShowCase {
    const char* name;
    std::vector<int> commands;
    WPARAM sizeType;
    RECT rect;
    bool zoomed;
    bool iconic;
};

class ShowSequenceTest : public ShowWindowTest, public ::testing::WithParamInterface<ShowCase> {};

TEST_P(ShowSequenceTest, EndsInTheRightStateSizeAndSizeType) {
    const ShowCase& c = GetParam();
    HWND hwnd = Create(WS_POPUP | WS_VISIBLE | WS_THICKFRAME, {100, 100, 500, 400});
    for (int command : c.commands) ShowWindow(hwnd, command);
    EXPECT_EQ(LastSize(hwnd).first, c.sizeType);
    EXPECT_EQ(WindowRect(hwnd), c.rect);
    EXPECT_EQ(IsZoomed(hwnd) != FALSE, c.zoomed);
    EXPECT_EQ(IsIconic(hwnd) != FALSE, c.iconic);
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

const RECT kNormal{100, 100, 500, 400};
const RECT kWorkArea{0, 0, 1920, 1040};

INSTANTIATE_TEST_SUITE_P(
    States, ShowSequenceTest,
    ::testing::Values(ShowCase{"Maximize", {SW_MAXIMIZE}, SIZE_MAXIMIZED, kWorkArea, true, false},
                      ShowCase{"MaximizeThenShowNormal", {SW_MAXIMIZE, SW_SHOWNORMAL}, SIZE_RESTORED, kNormal, false, false},
                      ShowCase{"MaximizeThenRestore", {SW_MAXIMIZE, SW_RESTORE}, SIZE_RESTORED, kNormal, false, false},
                      ShowCase{"Minimize", {SW_MINIMIZE}, SIZE_MINIMIZED, kNormal, false, true},
                      ShowCase{"MinimizeThenRestore", {SW_MINIMIZE, SW_RESTORE}, SIZE_RESTORED, kNormal, false, false},
                      ShowCase{"MaximizedMinimizedRestoresToMaximized", {SW_MAXIMIZE, SW_MINIMIZE, SW_RESTORE},
                               SIZE_MAXIMIZED, kWorkArea, true, false},
                      ShowCase{"MaximizedMinimizedShowNormal", {SW_MAXIMIZE, SW_MINIMIZE, SW_SHOWNORMAL}, SIZE_RESTORED,
                               kNormal, false, false},
                      ShowCase{"CloseWindowMinimizes", {SW_FORCEMINIMIZE}, SIZE_MINIMIZED, kNormal, false, true}),
    [](const ::testing::TestParamInfo<ShowCase>& param) { return std::string(param.param.name); });

TEST_F(ShowWindowTest, EveryStateChangeSendsWmSizeEvenWhenTheSizeStays) {
    HWND hwnd = Create(WS_POPUP | WS_VISIBLE, {0, 0, 1920, 1040});
    ClearLog();
    ShowWindow(hwnd, SW_MAXIMIZE);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    auto sizes = Received(hwnd, WM_SIZE);
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_EQ(sizes[0].wParam, SIZE_MAXIMIZED);
    EXPECT_EQ(sizes[1].wParam, SIZE_RESTORED);
    EXPECT_EQ(PointOf(Received(hwnd, WM_SIZE)[0].lParam), (POINT{1920, 1040}));
    // Minimised windows report no client size.
    ShowWindow(hwnd, SW_MINIMIZE);
    EXPECT_EQ(Received(hwnd, WM_SIZE).back().lParam, 0);
}

TEST_F(ShowWindowTest, MaximiseUsesTheWorkAreaBoundedByGetMinMaxInfo) {
    HWND hwnd = Create(WS_POPUP | WS_VISIBLE, {10, 10, 100, 100});
    On(hwnd, WM_GETMINMAXINFO, [](HWND, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        EXPECT_EQ(info->ptMaxSize, (POINT{1920, 1040}));
        info->ptMaxTrackSize = {1000, 800};
        return 0;
    });
    ShowWindow(hwnd, SW_MAXIMIZE);
    EXPECT_EQ(WindowRect(hwnd), (RECT{0, 0, 1000, 800}));
}

TEST_F(ShowWindowTest, ShowAndHideSendShowWindowOnlyOnAChange) {
    HWND hwnd = Create(WS_POPUP, {0, 0, 10, 10});
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW));
    EXPECT_TRUE(ShowWindow(hwnd, SW_SHOW));
    EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE));
    EXPECT_FALSE(ShowWindow(hwnd, SW_HIDE));
    auto shows = Received(hwnd, WM_SHOWWINDOW);
    ASSERT_EQ(shows.size(), 2u);
    EXPECT_EQ(shows[0].wParam, static_cast<WPARAM>(TRUE));
    EXPECT_EQ(shows[1].wParam, static_cast<WPARAM>(FALSE));
    EXPECT_FALSE(backend.FindWindow(hwnd)->visible);
}

TEST_F(ShowWindowTest, ShowNaDoesNotActivate) {
    HWND first = CreatePopup({0, 0, 10, 10});
    HWND second = Create(WS_POPUP, {0, 0, 10, 10});
    ShowWindow(second, SW_SHOWNA);
    EXPECT_EQ(GetActiveWindow(), first);
    ShowWindow(second, SW_HIDE);
    ShowWindow(second, SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), second);
}

TEST_F(ShowWindowTest, VisibilityIncludesTheParents) {
    HWND top = Create(WS_POPUP, {0, 0, 100, 100});
    HWND child = CreateChild(top, {0, 0, 10, 10});
    EXPECT_FALSE(IsWindowVisible(child));
    ShowWindow(top, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(child));
}

TEST_F(ShowWindowTest, MinimisingHidesOwnedPopupsAndRestoringShowsThemAgain) {
    HWND background = Create(WS_POPUP | WS_VISIBLE, {100, 100, 500, 400});
    HWND main = CreatePopup({100, 100, 500, 400}, background);
    HWND hiddenOwned = Create(WS_POPUP, {0, 0, 10, 10}, background);
    ShowWindow(background, SW_MINIMIZE);
    EXPECT_FALSE(IsWindowVisible(main));
    ASSERT_EQ(Count(main, WM_SHOWWINDOW), 2);
    EXPECT_EQ(Received(main, WM_SHOWWINDOW)[1].lParam, SW_PARENTCLOSING);
    ShowWindow(background, SW_RESTORE);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(Received(main, WM_SHOWWINDOW).back().lParam, SW_PARENTOPENING);
    EXPECT_FALSE(IsWindowVisible(hiddenOwned)) << "only what the minimise hid comes back";
}

TEST_F(ShowWindowTest, UserResizeIsHeldToTheMinimumTrackingSize) {
    HWND hwnd = Create(WS_POPUP | WS_VISIBLE | WS_THICKFRAME, {100, 100, 900, 700});
    On(hwnd, WM_GETMINMAXINFO, [](HWND, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {600, 400};
        return std::nullopt;
    });
    backend.Configure(hwnd, {100, 100, 300, 250});
    EXPECT_EQ(WindowRect(hwnd), (RECT{100, 100, 700, 500}));
    EXPECT_EQ(LastSize(hwnd).second, (POINT{600, 400}));
    EXPECT_EQ(backend.FindWindow(hwnd)->bounds, (RECT{100, 100, 700, 500})) << "the desktop is told the held size";

    // A move alone asks for no bounds.
    ClearLog();
    backend.Configure(hwnd, {0, 0, 600, 400});
    EXPECT_EQ(Count(hwnd, WM_GETMINMAXINFO), 0);
    EXPECT_EQ(Count(hwnd, WM_MOVE), 1);
    EXPECT_EQ(WindowRect(hwnd), (RECT{0, 0, 600, 400}));
}

TEST_F(ShowWindowTest, TheDesktopsRequestsArriveAsQueuedSystemCommands) {
    HWND hwnd = CreatePopup({0, 0, 100, 100});
    std::vector<WPARAM> offered;
    SetPreTranslateHook([&](MSG& msg, HWND) {
        if (msg.message == WM_SYSCOMMAND) offered.push_back(msg.wParam);
        return false;
    });
    backend.RequestShow(hwnd, SW_MINIMIZE);
    PumpPendingMessages();
    EXPECT_TRUE(IsIconic(hwnd));
    backend.RequestShow(hwnd, SW_RESTORE);
    PumpPendingMessages();
    EXPECT_FALSE(IsIconic(hwnd));
    backend.RequestClose(hwnd);
    PumpPendingMessages();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(offered, (std::vector<WPARAM>{SC_MINIMIZE, SC_RESTORE, SC_CLOSE}));
}

}  // namespace
}  // namespace qx::win::test
