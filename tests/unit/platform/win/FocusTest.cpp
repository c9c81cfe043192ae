// Keyboard focus, activation and enabling.

#include "TestWindows.h"

namespace qx::win::test {
namespace {

class FocusTest : public WindowTest {};

TEST_F(FocusTest, FocusMessagesNameTheOtherWindow) {
    HWND top = CreatePopup({0, 0, 100, 100});
    HWND first = CreateChild(top, {0, 0, 10, 10});
    HWND second = CreateChild(top, {20, 0, 30, 10});
    SetFocus(first);
    ClearLog();

    EXPECT_EQ(SetFocus(second), first);
    EXPECT_EQ(GetFocus(), second);
    EXPECT_EQ(Sequence({WM_KILLFOCUS, WM_SETFOCUS}),
              (std::vector<std::pair<HWND, UINT>>{{first, WM_KILLFOCUS}, {second, WM_SETFOCUS}}));
    EXPECT_EQ(Received(first, WM_KILLFOCUS)[0].wParam, reinterpret_cast<WPARAM>(second));
    EXPECT_EQ(Received(second, WM_SETFOCUS)[0].wParam, reinterpret_cast<WPARAM>(first));

    ClearLog();
    EXPECT_EQ(SetFocus(second), second);
    EXPECT_TRUE(Sequence({WM_KILLFOCUS, WM_SETFOCUS}).empty()) << "no change, no message";

    SetFocus(nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(Received(second, WM_KILLFOCUS)[0].wParam, 0u);
}

TEST_F(FocusTest, FocusingAWindowActivatesItsTopLevelWindow) {
    HWND a = CreatePopup({0, 0, 100, 100});
    HWND b = CreatePopup({0, 0, 100, 100});
    HWND edit = CreateChild(a, {0, 0, 10, 10});
    ASSERT_EQ(GetActiveWindow(), b);
    ClearLog();
    SetFocus(edit);
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(GetFocus(), edit);
    auto deactivated = Received(b, WM_ACTIVATE);
    auto activated = Received(a, WM_ACTIVATE);
    ASSERT_EQ(deactivated.size(), 1u);
    ASSERT_EQ(activated.size(), 1u);
    EXPECT_EQ(LOWORD(deactivated[0].wParam), WA_INACTIVE);
    EXPECT_EQ(deactivated[0].lParam, reinterpret_cast<LPARAM>(a));
    EXPECT_EQ(LOWORD(activated[0].wParam), WA_ACTIVE);
    EXPECT_EQ(activated[0].lParam, reinterpret_cast<LPARAM>(b));
    EXPECT_EQ(Count(a, WM_SETFOCUS), 0) << "the focus goes straight to the child";
}

TEST_F(FocusTest, ActivationGivesTheFocusToTheWindowUnlessItsHandlerPlacedIt) {
    HWND a = CreatePopup({0, 0, 100, 100});
    HWND control = CreateChild(a, {0, 0, 10, 10});
    HWND b = CreatePopup({0, 0, 100, 100});
    EXPECT_EQ(GetFocus(), b);
    On(a, WM_ACTIVATE, [control](HWND, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (LOWORD(wParam) != WA_INACTIVE) SetFocus(control);
        return 0;
    });
    SetActiveWindow(a);
    EXPECT_EQ(GetFocus(), control);
}

TEST_F(FocusTest, DisabledWindowsTakeNoFocusAndLoseIt) {
    HWND top = CreatePopup({0, 0, 100, 100});
    HWND edit = CreateChild(top, {0, 0, 10, 10});
    SetFocus(edit);
    EXPECT_FALSE(EnableWindow(edit, FALSE)) << "it was enabled";
    EXPECT_FALSE(IsWindowEnabled(edit));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(Received(edit, WM_ENABLE).back().wParam, static_cast<WPARAM>(FALSE));
    EXPECT_EQ(SetFocus(edit), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(EnableWindow(edit, TRUE)) << "it was disabled";
    SetFocus(edit);
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(FocusTest, SwitchToThisWindowShowsActivatesAndFocuses) {
    HWND other = CreatePopup({0, 0, 10, 10});
    HWND hidden = Create(WS_POPUP, {0, 0, 100, 100});
    SwitchToThisWindow(hidden, TRUE);
    EXPECT_TRUE(IsWindowVisible(hidden));
    EXPECT_EQ(GetActiveWindow(), hidden);
    EXPECT_EQ(GetFocus(), hidden);
    EXPECT_EQ(GetForegroundWindow(), hidden);

    ShowWindow(hidden, SW_MINIMIZE);
    EXPECT_NE(GetActiveWindow(), hidden);
    SetActiveWindow(other);
    SwitchToThisWindow(hidden, TRUE);
    EXPECT_FALSE(IsIconic(hidden));
    EXPECT_EQ(GetActiveWindow(), hidden);
}

TEST_F(FocusTest, HidingTheActiveWindowHandsActivationToItsOwner) {
    HWND owner = CreatePopup({0, 0, 100, 100});
    HWND dialog = CreatePopup({0, 0, 50, 50}, owner);
    ASSERT_EQ(GetActiveWindow(), dialog);
    ShowWindow(dialog, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), owner);
}

}  // namespace
}  // namespace qx::win::test
