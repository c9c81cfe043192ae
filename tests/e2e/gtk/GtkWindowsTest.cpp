// The window system's windows on a real X display without a window manager or compositor.

#include "platform/backend/gtk/GtkInput.h"
#include "tests/e2e/gtk/GtkWindowsFixture.h"

#include <algorithm>

namespace qx::e2e {
namespace {

bool Has(const std::vector<std::string>& states, const std::string& state) {
    return std::find(states.begin(), states.end(), state) != states.end();
}

TEST_F(GtkWindowsTest, PixelsShowThroughKeyAndAlphaAndPressesGoWhereThePixelsAre) {
    ASSERT_NO_FATAL_FAILURE(ShowPair());
    // The green block of the upper window; the lower window's blue through its key colour; and
    // through both, where the lower window is transparent too, neither.
    EXPECT_EQ(m_probe->ScreenPixel(At(kBlock.left + 1, kBlock.top + 1)), 0x00FF00u);
    EXPECT_EQ(m_probe->ScreenPixel(At(kBlock.right, kBlock.bottom)), 0x0000FFu);
    const std::uint32_t hole = m_probe->ScreenPixel(At(5, 5));
    EXPECT_NE(hole, 0x0000FFu);
    EXPECT_NE(hole, 0xFF00FFu);
    EXPECT_EQ(m_probe->WindowRect(XidOf(m_upper)), kPlace);

    // The desktop itself sends the pointer to the window that shows the pixel.
    ASSERT_TRUE(Xdotool("mousemove 250 200"));
    EXPECT_EQ(m_probe->WindowUnderPointer(), XidOf(m_lower));
    ASSERT_TRUE(Xdotool("mousemove 150 150"));
    EXPECT_EQ(m_probe->WindowUnderPointer(), XidOf(m_upper));
    ASSERT_TRUE(Xdotool("mousemove 105 105"));
    EXPECT_EQ(m_probe->WindowUnderPointer(), 0u);

    ASSERT_TRUE(Xdotool("mousemove 150 150 click 1"));
    EXPECT_TRUE(PumpUntil([&] { return Saw(m_upper, WM_LBUTTONUP); }));
    EXPECT_TRUE(Saw(m_upper, WM_LBUTTONDOWN));
    EXPECT_FALSE(Saw(m_lower, WM_LBUTTONDOWN));
}

TEST_F(GtkWindowsTest, APressOnAKeyPixelMovesThePairWithThePointer) {
    ASSERT_NO_FATAL_FAILURE(ShowPair());
    ASSERT_TRUE(Xdotool("mousemove 250 200 mousedown 1"));
    ASSERT_TRUE(PumpUntil([&] { return Gtk().Input().IsMoving(); })) << "no move began";
    EXPECT_TRUE(Saw(m_lower, WM_LBUTTONDOWN));
    EXPECT_TRUE(Saw(m_lower, WM_SYSCOMMAND, 0xF011));

    ASSERT_TRUE(Xdotool("mousemove 270 230"));
    ASSERT_TRUE(Xdotool("mousemove 290 260"));
    const RECT moved{kPlace.left + 40, kPlace.top + 60, kPlace.right + 40, kPlace.bottom + 60};
    EXPECT_TRUE(PumpUntil([&] { return m_probe->WindowRect(XidOf(m_upper)) == moved; }));
    ASSERT_TRUE(Xdotool("mouseup 1"));
    EXPECT_TRUE(PumpUntil([&] { return !Gtk().Input().IsMoving(); }));

    EXPECT_EQ(m_probe->WindowRect(XidOf(m_lower)), moved);
    RECT lower;
    RECT upper;
    GetWindowRect(m_lower, &lower);
    GetWindowRect(m_upper, &upper);
    EXPECT_EQ(lower, moved);
    EXPECT_EQ(upper, moved);
    // The release ended the move; the program did not see it.
    EXPECT_FALSE(Saw(m_lower, WM_LBUTTONUP));
    EXPECT_TRUE(PumpUntil([&] { return m_probe->ScreenPixel({moved.left + 50, moved.top + 40}) == 0x00FF00u; }));
}

TEST_F(GtkWindowsTest, TitleAndTaskbarEntryFollowTheWindowSystem) {
    ASSERT_NO_FATAL_FAILURE(ShowPair());
    SetWindowTextW(m_lower, u"栎木 - 测试");
    EXPECT_TRUE(PumpUntil([&] { return m_probe->Title(XidOf(m_lower)) == "栎木 - 测试"; }));
    // Only the window with a taskbar button of its own is in the taskbar.
    EXPECT_FALSE(Has(m_probe->NetWmState(XidOf(m_lower)), "_NET_WM_STATE_SKIP_TASKBAR"));
    EXPECT_TRUE(Has(m_probe->NetWmState(XidOf(m_upper)), "_NET_WM_STATE_SKIP_TASKBAR"));
}

TEST_F(GtkWindowsTest, KeysReachTheFocusedWindow) {
    ASSERT_NO_FATAL_FAILURE(ShowPair());
    ASSERT_EQ(GetFocus(), m_upper);
    ASSERT_TRUE(Xdotool("key a Return Escape"));
    EXPECT_TRUE(PumpUntil([&] { return Saw(m_upper, WM_KEYDOWN, VK_ESCAPE); }));
    EXPECT_TRUE(Saw(m_upper, WM_KEYDOWN, 'A'));
    EXPECT_TRUE(Saw(m_upper, WM_CHAR, 'a'));
    EXPECT_TRUE(Saw(m_upper, WM_KEYDOWN, VK_RETURN));
    EXPECT_FALSE(Saw(m_lower, WM_KEYDOWN));
}

TEST_F(GtkWindowsTest, TheDesktopsCloseRequestGoesThroughTheQueueAndClosesTheWindow) {
    ASSERT_NO_FATAL_FAILURE(ShowPair());
    const unsigned long lower = XidOf(m_lower);
    const unsigned long upper = XidOf(m_upper);
    std::vector<MSG> offered;
    win::SetPreTranslateHook([&](MSG& msg, HWND) {
        offered.push_back(msg);
        return false;
    });
    m_probe->SendDeleteWindow(lower);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(m_lower); }));
    win::SetPreTranslateHook(nullptr);
    // It came as a queued WM_SYSCOMMAND SC_CLOSE that the pre-translation saw first.
    EXPECT_TRUE(std::any_of(offered.begin(), offered.end(), [&](const MSG& m) {
        return m.hwnd == m_lower && m.message == WM_SYSCOMMAND && m.wParam == SC_CLOSE;
    }));
    EXPECT_FALSE(IsWindow(m_upper));
    EXPECT_TRUE(PumpUntil([&] {
        const std::vector<unsigned long> shown = m_probe->ViewableTopLevels();
        return std::count(shown.begin(), shown.end(), lower) + std::count(shown.begin(), shown.end(), upper) == 0;
    }));
}

TEST_F(GtkWindowsTest, TypingInANativeEntryPassesThePreTranslationFirstAndShowsOverTheWindowBelow) {
    ASSERT_NO_FATAL_FAILURE(ShowPair());
    const RECT box{20, 100, 180, 130};
    HWND edit = CreateWindowExW(0, u"Edit", u"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, box.left, box.top,
                                box.right - box.left, box.bottom - box.top, m_upper, nullptr, nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    SetFocus(edit);
    std::vector<WPARAM> offered;
    win::SetPreTranslateHook([&](MSG& msg, HWND) {
        if (msg.message != WM_KEYDOWN) return false;
        offered.push_back(msg.wParam);
        return msg.wParam == 'C';  // taken before the entry sees it
    });
    ASSERT_TRUE(Xdotool("key a b c d Return"));
    EXPECT_TRUE(PumpUntil([&] { return std::count(offered.begin(), offered.end(), VK_RETURN) == 1; }));
    win::SetPreTranslateHook(nullptr);
    EXPECT_EQ(offered, (std::vector<WPARAM>{'A', 'B', 'C', 'D', VK_RETURN}));
    WCHAR text[16] = {};
    EXPECT_TRUE(PumpUntil([&] {
        GetWindowTextW(edit, text, 16);
        return std::u16string(text) == u"abd";
    })) << "the edit holds what the entry typed";

    // The entry's background is the key colour: its text shows over the lower window's blue.
    EXPECT_TRUE(PumpUntil([&] { return m_probe->ScreenPixel(At(box.right - 5, box.top + 15)) == 0x0000FFu; }));
    const RECT inkArea{At(box.left, box.top).x, At(box.left, box.top).y, At(box.left + 40, box.bottom).x,
                    At(box.left + 40, box.bottom).y};
    EXPECT_TRUE(PumpUntil([&] {
        const std::vector<std::uint32_t> pixels = m_probe->ScreenArea(inkArea);
        return std::any_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return p < 0x000040u; });
    })) << "no text drawn in the entry";
}

// Once a window of its own shows above the pair (the menu, the box), the user presses keys.
struct KeysWhenShown {
    XProbe* probe;
    std::size_t before;
    std::string keys;
    bool pressed = false;
};

gboolean PressKeysWhenShown(gpointer data) {
    auto* when = static_cast<KeysWhenShown*>(data);
    if (when->probe->ViewableTopLevels().size() <= when->before) return G_SOURCE_CONTINUE;
    when->pressed = Xdotool("key " + when->keys);
    return G_SOURCE_REMOVE;
}

TEST_F(GtkWindowsTest, APopupMenuAnswersTheItemTheUserTakes) {
    ASSERT_NO_FATAL_FAILURE(ShowPair());
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 2001, u"&First");
    AppendMenuW(menu, MF_STRING, 2002, u"Second");
    KeysWhenShown when{m_probe.get(), m_probe->ViewableTopLevels().size(), "Down Down Return"};
    const guint source = g_timeout_add(50, &PressKeysWhenShown, &when);
    const UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD, At(60, 60).x, At(60, 60).y, 0, m_upper, nullptr);
    if (!when.pressed) g_source_remove(source);
    EXPECT_TRUE(when.pressed);
    EXPECT_EQ(chosen, 2002u);
    DestroyMenu(menu);
}

TEST_F(GtkWindowsTest, AMessageBoxAnswersTheButtonTheUserPresses) {
    ASSERT_NO_FATAL_FAILURE(ShowPair());
    KeysWhenShown when{m_probe.get(), m_probe->ViewableTopLevels().size(), "Return"};
    const guint source = g_timeout_add(50, &PressKeysWhenShown, &when);
    // Enter takes the default button, here the second.
    const int answer = MessageBoxW(m_lower, u"Save the page?", u"Question", MB_YESNO | MB_DEFBUTTON2);
    if (!when.pressed) g_source_remove(source);
    EXPECT_TRUE(when.pressed);
    EXPECT_EQ(answer, IDNO);
}

}  // namespace
}  // namespace qx::e2e
