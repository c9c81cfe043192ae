// Handles, the window tree, window data and text.

#include "TestWindows.h"

namespace qx::win::test {
namespace {

class WindowTreeTest : public WindowTest {};

TEST_F(WindowTreeTest, DestroyedHandlesStayDeadAndCallsOnThemFailCleanly) {
    HWND first = CreatePopup({0, 0, 10, 10});
    ASSERT_TRUE(IsWindow(first));
    ASSERT_TRUE(DestroyWindow(first));
    HWND second = CreatePopup({0, 0, 10, 10});

    EXPECT_NE(first, second);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(SendMessageW(first, WM_USER, 1, 2), 0);
    EXPECT_FALSE(PostMessageW(first, WM_USER, 1, 2));
    EXPECT_FALSE(SetWindowTextW(first, u"x"));
    EXPECT_FALSE(DestroyWindow(first));
    RECT rect;
    EXPECT_FALSE(GetWindowRect(first, &rect));
    EXPECT_EQ(Count(first, WM_USER), 0);
    EXPECT_FALSE(IsWindow(HandleFromId<HWND>(0x12345678)));
}

TEST_F(WindowTreeTest, ParentOfChildOwnerOfPopupNothingForOverlapped) {
    HWND owner = CreatePopup({0, 0, 100, 100});
    HWND child = CreateChild(owner, {0, 0, 10, 10}, 7);
    HWND popup = CreatePopup({0, 0, 10, 10}, owner);
    // A child given as owner stands for its top-level window.
    HWND popupOfChild = CreatePopup({0, 0, 10, 10}, child);
    HWND overlapped = Create(WS_OVERLAPPED, {0, 0, 10, 10}, owner);

    EXPECT_EQ(GetParent(child), owner);
    EXPECT_EQ(GetParent(popup), owner);
    EXPECT_EQ(GetParent(popupOfChild), owner);
    EXPECT_EQ(GetParent(overlapped), nullptr);
    EXPECT_EQ(GetWindow(overlapped, GW_OWNER), owner);
    EXPECT_EQ(GetAncestor(child, GA_ROOT), owner);
    EXPECT_EQ(GetAncestor(popup, GA_PARENT), nullptr);
    EXPECT_TRUE(IsChild(owner, child));
    EXPECT_FALSE(IsChild(owner, popup));
}

TEST_F(WindowTreeTest, ChildrenStackInCreationOrderAndControlIdsFindThem) {
    HWND dialog = CreatePopup({0, 0, 100, 100});
    HWND a = CreateChild(dialog, {0, 0, 10, 10}, 1001);
    HWND b = CreateChild(dialog, {0, 0, 10, 10}, 1002);
    HWND c = CreateChild(dialog, {0, 0, 10, 10}, 1003);

    EXPECT_EQ(GetWindow(dialog, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), c);
    EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetWindow(c, GW_HWNDPREV), b);
    EXPECT_EQ(GetDlgItem(dialog, 1002), b);
    EXPECT_EQ(GetDlgItem(dialog, 9999), nullptr);
    EXPECT_EQ(GetDlgCtrlID(c), 1003);
    EXPECT_EQ(GetDlgCtrlID(dialog), 0);
}

TEST_F(WindowTreeTest, NewTopLevelWindowsGoOnTop) {
    HWND first = CreatePopup({0, 0, 10, 10});
    HWND second = CreatePopup({0, 0, 10, 10});
    EXPECT_EQ(GetTopWindow(nullptr), second);
    EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), first);
}

TEST_F(WindowTreeTest, WindowLongsReadAndWriteTheRecord) {
    HWND hwnd = CreatePopup({0, 0, 10, 10});
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    ASSERT_EQ(Count(hwnd, WM_STYLECHANGING), 1);
    ASSERT_EQ(Count(hwnd, WM_STYLECHANGED), 1);
    EXPECT_EQ(Received(hwnd, WM_STYLECHANGED)[0].wParam, static_cast<WPARAM>(GWL_EXSTYLE));

    EXPECT_EQ(SetWindowLongPtrW(hwnd, GWLP_USERDATA, 42), 0);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_USERDATA), 42);
    SetWindowLongPtrW(hwnd, GWLP_ID, 77);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_ID), 77);
    // The high bit of a style survives the 32-bit setter.
    SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_VISIBLE));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)), WS_POPUP | WS_VISIBLE);
}

LRESULT Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC g_previous = nullptr;
LRESULT Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) return 99;
    return CallWindowProcW(g_previous, hwnd, message, wParam, lParam);
}

TEST_F(WindowTreeTest, SubclassingReplacesTheProcedureAndChainsToTheOldOne) {
    HWND hwnd = CreatePopup({0, 0, 10, 10});
    g_previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass)));
    ASSERT_NE(g_previous, nullptr);
    EXPECT_EQ(SendMessageW(hwnd, WM_USER, 0, 0), 99);
    SendMessageW(hwnd, WM_USER + 1, 0, 0);
    EXPECT_EQ(Count(hwnd, WM_USER + 1), 1);
}

TEST_F(WindowTreeTest, WindowTextGoesThroughTheWindowsOwnMessages) {
    HWND plain = Create(WS_POPUP, {0, 0, 10, 10}, nullptr, 0, 0, kClass, u"start");
    WCHAR buffer[16];
    EXPECT_EQ(GetWindowTextLengthW(plain), 5);
    SetWindowTextW(plain, u"栎木网络互联");
    EXPECT_EQ(GetWindowTextW(plain, buffer, 16), 6);
    EXPECT_EQ(std::u16string(buffer), u"栎木网络互联");
    // Cut to the buffer, terminated.
    EXPECT_EQ(GetWindowTextW(plain, buffer, 3), 2);
    EXPECT_EQ(std::u16string(buffer), u"栎木");
    EXPECT_EQ(Count(plain, WM_SETTEXT), 1);

    HWND answering = CreatePopup({0, 0, 10, 10});
    On(answering, WM_GETTEXT, [](HWND, WPARAM size, LPARAM text) -> std::optional<LRESULT> {
        if (size < 3) return 0;
        std::u16string own = u"me";
        std::copy(own.begin(), own.end(), reinterpret_cast<WCHAR*>(text));
        reinterpret_cast<WCHAR*>(text)[2] = 0;
        return 2;
    });
    GetWindowTextW(answering, buffer, 16);
    EXPECT_EQ(std::u16string(buffer), u"me");
}

TEST_F(WindowTreeTest, TopLevelTitleReachesTheDesktop) {
    HWND hwnd = Create(WS_POPUP | WS_VISIBLE, {10, 20, 110, 220}, nullptr, 0, 0, kClass, u"first");
    const auto* native = backend.FindWindow(hwnd);
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(native->title, u"first");
    EXPECT_TRUE(native->visible);
    EXPECT_EQ(native->bounds, (RECT{10, 20, 110, 220}));
    SetWindowTextW(hwnd, u"second");
    EXPECT_EQ(native->title, u"second");
    DestroyWindow(hwnd);
    EXPECT_EQ(backend.FindWindow(hwnd), nullptr);
}

TEST_F(WindowTreeTest, CreationRefusedByTheWindowLeavesNothing) {
    OnAny(WM_CREATE, [](HWND, WPARAM, LPARAM) -> std::optional<LRESULT> { return -1; });
    EXPECT_EQ(CreatePopup({0, 0, 10, 10}), nullptr);
    auto refused = Sequence({WM_CREATE, WM_DESTROY, WM_NCDESTROY});
    ASSERT_EQ(refused.size(), 3u);
    EXPECT_EQ(refused[1].second, static_cast<UINT>(WM_DESTROY));
    EXPECT_FALSE(IsWindow(refused[0].first));

    ClearLog();
    OnAny(WM_NCCREATE, [](HWND, WPARAM, LPARAM) -> std::optional<LRESULT> { return FALSE; });
    EXPECT_EQ(CreatePopup({0, 0, 10, 10}), nullptr);
    // A window refused before its creation proper hears only its end.
    auto early = Sequence({WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY});
    ASSERT_EQ(early.size(), 2u);
    EXPECT_EQ(early[1].second, static_cast<UINT>(WM_NCDESTROY));
    EXPECT_EQ(GetTopWindow(nullptr), nullptr);

    EXPECT_EQ(CreateWindowExW(0, u"NoSuchClass", u"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(Create(WS_CHILD, {0, 0, 1, 1}, HandleFromId<HWND>(0x999)), nullptr);
}

TEST_F(WindowTreeTest, CreationSendsItsMessagesInOrder) {
    HWND parent = CreatePopup({0, 0, 100, 100});
    ClearLog();
    HWND child = Create(WS_CHILD | WS_VISIBLE, {5, 6, 25, 36}, parent, 3);
    auto sequence = Sequence({WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW});
    std::vector<std::pair<HWND, UINT>> expected = {{child, WM_NCCREATE}, {child, WM_NCCALCSIZE}, {child, WM_CREATE},
                                                   {child, WM_SIZE},     {child, WM_MOVE},       {child, WM_SHOWWINDOW}};
    EXPECT_EQ(sequence, expected);
    EXPECT_EQ(PointOf(Received(child, WM_SIZE)[0].lParam), (POINT{20, 30}));
    EXPECT_EQ(PointOf(Received(child, WM_MOVE)[0].lParam), (POINT{5, 6}));
    EXPECT_TRUE(IsWindowVisible(child));
}

}  // namespace
}  // namespace qx::win::test
