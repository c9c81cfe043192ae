// Destruction: its order, and handlers that destroy windows while messages are being sent.

#include "TestWindows.h"

namespace qx::win::test {
namespace {

class DestroyTest : public WindowTest {};

TEST_F(DestroyTest, OwnedPopupsFirstThenDestroyDownwardsAndNcDestroyUpwards) {
    HWND top = CreatePopup({0, 0, 100, 100});
    HWND child = CreateChild(top, {0, 0, 50, 50});
    HWND grandchild = CreateChild(child, {0, 0, 10, 10});
    HWND owned = CreatePopup({0, 0, 10, 10}, top);
    HWND unrelated = CreatePopup({0, 0, 10, 10});
    ClearLog();

    // During WM_DESTROY the children still exist.
    bool childAliveAtDestroy = false;
    On(top, WM_DESTROY, [&](HWND, WPARAM, LPARAM) -> std::optional<LRESULT> {
        childAliveAtDestroy = IsWindow(grandchild);
        return 0;
    });
    ASSERT_TRUE(DestroyWindow(top));

    std::vector<std::pair<HWND, UINT>> expected = {
        {owned, WM_DESTROY}, {owned, WM_NCDESTROY},     {top, WM_DESTROY},         {child, WM_DESTROY},
        {grandchild, WM_DESTROY}, {grandchild, WM_NCDESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY}};
    EXPECT_EQ(Sequence({WM_DESTROY, WM_NCDESTROY}), expected);
    EXPECT_TRUE(childAliveAtDestroy);
    for (HWND gone : {top, child, grandchild, owned}) EXPECT_FALSE(IsWindow(gone));
    EXPECT_TRUE(IsWindow(unrelated));
}

TEST_F(DestroyTest, AHandlerThatDestroysItsOwnWindowDuringASendLeavesNothingDangling) {
    HWND top = CreatePopup({0, 0, 100, 100});
    HWND child = CreateChild(top, {0, 0, 50, 50});
    On(child, WM_USER, [](HWND self, WPARAM, LPARAM) -> std::optional<LRESULT> {
        DestroyWindow(self);
        return 5;
    });
    EXPECT_EQ(SendMessageW(child, WM_USER, 0, 0), 5);
    EXPECT_FALSE(IsWindow(child));
    EXPECT_TRUE(IsWindow(top));
    EXPECT_EQ(GetWindow(top, GW_CHILD), nullptr);
}

TEST_F(DestroyTest, AHandlerThatDestroysItsParentDuringASendLeavesNothingDangling) {
    HWND top = CreatePopup({0, 0, 100, 100});
    HWND child = CreateChild(top, {0, 0, 50, 50});
    SetFocus(child);
    SetCapture(child);
    SetTimer(child, 3, 10, nullptr);
    PostMessageW(child, WM_USER + 1, 0, 0);
    On(child, WM_USER, [top](HWND self, WPARAM, LPARAM) -> std::optional<LRESULT> {
        DestroyWindow(top);
        // Everything about the window is still asked for after it went.
        EXPECT_FALSE(IsWindow(self));
        EXPECT_EQ(SendMessageW(self, WM_USER + 2, 0, 0), 0);
        EXPECT_FALSE(SetWindowPos(self, nullptr, 1, 1, 1, 1, 0));
        EXPECT_EQ(GetParent(self), nullptr);
        return 1;
    });
    EXPECT_EQ(SendMessageW(child, WM_USER, 0, 0), 1);
    EXPECT_FALSE(IsWindow(top));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    backend.AdvanceClock(100);
    EXPECT_EQ(PumpPendingMessages(), 0) << "no timer and no posted message of the dead windows";
}

TEST_F(DestroyTest, DestroyingFromInsideWmDestroyAndWmNcDestroyIsHarmless) {
    HWND top = CreatePopup({0, 0, 100, 100});
    HWND child = CreateChild(top, {0, 0, 50, 50});
    HWND sibling = CreatePopup({0, 0, 10, 10});
    On(top, WM_DESTROY, [&](HWND self, WPARAM, LPARAM) -> std::optional<LRESULT> {
        EXPECT_FALSE(DestroyWindow(self)) << "already on its way";
        DestroyWindow(child);
        return 0;
    });
    On(top, WM_NCDESTROY, [&](HWND, WPARAM, LPARAM) -> std::optional<LRESULT> {
        DestroyWindow(sibling);
        return 0;
    });
    EXPECT_TRUE(DestroyWindow(top));
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(IsWindow(sibling));
    EXPECT_EQ(Count(child, WM_NCDESTROY), 1);
}

TEST_F(DestroyTest, ACloseRequestDestroysByDefault) {
    HWND hwnd = CreatePopup({0, 0, 10, 10});
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(Count(hwnd, WM_CLOSE), 1);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(DestroyTest, DestroyingTheActiveWindowActivatesItsOwner) {
    HWND owner = CreatePopup({0, 0, 100, 100});
    HWND dialog = CreatePopup({0, 0, 50, 50}, owner);
    ASSERT_EQ(GetActiveWindow(), dialog);
    DestroyWindow(dialog);
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(GetFocus(), owner);
}

}  // namespace
}  // namespace qx::win::test
