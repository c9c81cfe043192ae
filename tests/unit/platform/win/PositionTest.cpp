// Moving, sizing, stacking, deferred batches and coordinate mapping.

#include "TestWindows.h"

namespace qx::win::test {
namespace {

class PositionTest : public WindowTest {};

TEST_F(PositionTest, SetWindowPosAnnouncesTheChangeAndMovesTheSurface) {
    HWND top = CreatePopup({100, 100, 300, 300});
    HWND child = CreateChild(top, {10, 10, 60, 40});
    ClearLog();
    SetWindowPos(child, nullptr, 20, 30, 80, 50, SWP_NOZORDER);

    EXPECT_EQ(Sequence({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}),
              (std::vector<std::pair<HWND, UINT>>{
                  {child, WM_WINDOWPOSCHANGING}, {child, WM_WINDOWPOSCHANGED}, {child, WM_MOVE}, {child, WM_SIZE}}));
    EXPECT_EQ(PointOf(Received(child, WM_MOVE)[0].lParam), (POINT{20, 30}));
    EXPECT_EQ(PointOf(Received(child, WM_SIZE)[0].lParam), (POINT{80, 50}));
    EXPECT_EQ(Received(child, WM_SIZE)[0].wParam, SIZE_RESTORED);
    RECT rect;
    GetWindowRect(child, &rect);
    EXPECT_EQ(rect, (RECT{120, 130, 200, 180}));
    GetClientRect(child, &rect);
    EXPECT_EQ(rect, (RECT{0, 0, 80, 50}));
    const Window* record = FindWindowRecord(child);
    EXPECT_EQ(record->surface->width(), 80);
    EXPECT_EQ(record->surface->height(), 50);

    // Nothing changes: nothing is said.
    ClearLog();
    SetWindowPos(child, nullptr, 20, 30, 80, 50, SWP_NOZORDER);
    EXPECT_EQ(Count(child, WM_WINDOWPOSCHANGED), 0);
    EXPECT_EQ(Count(child, WM_SIZE), 0);
}

TEST_F(PositionTest, OnlyWhatChangedIsReported) {
    HWND hwnd = CreatePopup({0, 0, 100, 100});
    ClearLog();
    MoveWindow(hwnd, 50, 0, 100, 100, TRUE);
    EXPECT_EQ(Count(hwnd, WM_MOVE), 1);
    EXPECT_EQ(Count(hwnd, WM_SIZE), 0);
    ClearLog();
    SetWindowPos(hwnd, nullptr, 0, 0, 120, 100, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Count(hwnd, WM_MOVE), 0);
    EXPECT_EQ(Count(hwnd, WM_SIZE), 1);
}

TEST_F(PositionTest, AHandlerOfWindowPosChangingMayAlterTheChange) {
    HWND hwnd = CreatePopup({0, 0, 100, 100});
    On(hwnd, WM_WINDOWPOSCHANGING, [](HWND, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        pos->cx = std::max(pos->cx, 60);
        return 0;
    });
    SetWindowPos(hwnd, nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER);
    RECT rect;
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect, (RECT{0, 0, 60, 10}));
}

TEST_F(PositionTest, DeferredBatchRaisesEachWindowInOrderLaterOnesOnTop) {
    HWND parent = CreatePopup({0, 0, 300, 300});
    HWND a = CreateChild(parent, {0, 0, 10, 10});
    HWND b = CreateChild(parent, {0, 0, 10, 10});
    HWND c = CreateChild(parent, {0, 0, 10, 10});
    // Creation order puts a on top; the batch queues c, a, b with HWND_TOP.
    HDWP batch = BeginDeferWindowPos(100);
    batch = DeferWindowPos(batch, c, HWND_TOP, 0, 0, 30, 30, SWP_FRAMECHANGED);
    batch = DeferWindowPos(batch, a, HWND_TOP, 40, 0, 30, 30, SWP_FRAMECHANGED);
    batch = DeferWindowPos(batch, b, HWND_TOP, 80, 0, 30, 30, SWP_FRAMECHANGED);
    ClearLog();
    ASSERT_TRUE(EndDeferWindowPos(batch));

    EXPECT_EQ(GetWindow(parent, GW_CHILD), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), c);
    // Applied in the order queued.
    auto sizes = Sequence({WM_SIZE});
    ASSERT_EQ(sizes.size(), 3u);
    EXPECT_EQ(sizes[0].first, c);
    EXPECT_EQ(sizes[2].first, b);
    EXPECT_EQ(Count(a, WM_NCCALCSIZE), 1) << "SWP_FRAMECHANGED recalculates the frame";

    EXPECT_FALSE(EndDeferWindowPos(batch)) << "a committed batch is gone";
}

TEST_F(PositionTest, DeferringADeadWindowEndsTheBatch) {
    HWND parent = CreatePopup({0, 0, 300, 300});
    HWND a = CreateChild(parent, {0, 0, 10, 10});
    HWND dead = CreateChild(parent, {0, 0, 10, 10});
    DestroyWindow(dead);
    HDWP batch = BeginDeferWindowPos(2);
    batch = DeferWindowPos(batch, a, HWND_TOP, 5, 5, 10, 10, 0);
    EXPECT_EQ(DeferWindowPos(batch, dead, HWND_TOP, 0, 0, 1, 1, 0), nullptr);
    EXPECT_FALSE(EndDeferWindowPos(batch));
}

TEST_F(PositionTest, HidingOrShowingAChildRepaintsTheParentUnderIt) {
    HWND parent = CreatePopup({0, 0, 100, 100});
    HWND child = CreateChild(parent, {10, 10, 30, 40});
    PumpPendingMessages();
    ShowWindow(child, SW_HIDE);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(parent, &update, FALSE));
    EXPECT_EQ(update, (RECT{10, 10, 30, 40}));
    PumpPendingMessages();
    ShowWindow(child, SW_SHOW);
    ASSERT_TRUE(GetUpdateRect(parent, &update, FALSE));
    EXPECT_EQ(update, (RECT{10, 10, 30, 40}));
    ASSERT_TRUE(GetUpdateRect(child, &update, FALSE));
    EXPECT_EQ(update, (RECT{0, 0, 20, 30}));
}

TEST_F(PositionTest, CoordinatesMapBetweenWindowsAndTheScreen) {
    HWND top = CreatePopup({100, 50, 400, 350});
    HWND child = CreateChild(top, {10, 20, 110, 120});
    HWND grandchild = CreateChild(child, {5, 5, 25, 25});
    POINT p{1, 2};
    ClientToScreen(grandchild, &p);
    EXPECT_EQ(p, (POINT{116, 77}));
    ScreenToClient(child, &p);
    EXPECT_EQ(p, (POINT{6, 7}));

    POINT points[2] = {{0, 0}, {3, 4}};
    int offsets = MapWindowPoints(grandchild, top, points, 2);
    EXPECT_EQ(points[0], (POINT{15, 25}));
    EXPECT_EQ(points[1], (POINT{18, 29}));
    EXPECT_EQ(static_cast<SHORT>(LOWORD(static_cast<DWORD>(offsets))), 15);
    POINT onScreen{0, 0};
    MapWindowPoints(top, nullptr, &onScreen, 1);
    EXPECT_EQ(onScreen, (POINT{100, 50}));
}

TEST_F(PositionTest, ActivationRaisesATopLevelWindowWithTheWindowsItOwns) {
    HWND owner = CreatePopup({0, 0, 100, 100});
    HWND owned = CreatePopup({0, 0, 50, 50}, owner);
    HWND other = CreatePopup({0, 0, 100, 100});
    ASSERT_EQ(TopLevelWindowsInZOrder().front(), other);
    SetActiveWindow(owner);
    std::vector<HWND> order = TopLevelWindowsInZOrder();
    EXPECT_EQ(order, (std::vector<HWND>{owned, owner, other}));
}

}  // namespace
}  // namespace qx::win::test
