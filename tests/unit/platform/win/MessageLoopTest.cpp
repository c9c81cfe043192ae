// Send, post, the order in which the loop takes messages, pre-translation and the end of a run.

#include "TestWindows.h"

namespace qx::win::test {
namespace {

class MessageLoopTest : public WindowTest {
protected:
    // Every queued message the hook was offered, with the loop's top window.
    std::vector<std::pair<MSG, HWND>> offered;
    void RecordPreTranslation(std::function<bool(const MSG&)> handles = nullptr) {
        SetPreTranslateHook([this, handles](MSG& msg, HWND top) {
            offered.emplace_back(msg, top);
            return handles && handles(msg);
        });
    }
    std::vector<UINT> OfferedMessages() const {
        std::vector<UINT> messages;
        for (const auto& [msg, top] : offered) messages.push_back(msg.message);
        return messages;
    }
};

TEST_F(MessageLoopTest, PostedCloseReachesThePreTranslateHookWhileASentOneGoesToTheProcedure) {
    HWND top = CreatePopup({0, 0, 100, 100});
    HWND target = CreatePopup({0, 0, 50, 50}, top);
    RecordPreTranslation([](const MSG& msg) { return msg.message == WM_CLOSE; });

    SendMessageW(target, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(target)) << "a sent close goes straight to the procedure, whose default destroys";
    EXPECT_TRUE(offered.empty());

    HWND second = CreatePopup({0, 0, 50, 50}, top);
    PumpPendingMessages(top);
    offered.clear();
    PostMessageW(second, WM_CLOSE, 0, 0);
    PumpPendingMessages(top);
    ASSERT_EQ(OfferedMessages(), std::vector<UINT>{WM_CLOSE});
    EXPECT_EQ(offered[0].first.hwnd, second);
    EXPECT_EQ(offered[0].second, top);
    EXPECT_EQ(Count(second, WM_CLOSE), 0) << "handled by the hook, never dispatched";
    EXPECT_TRUE(IsWindow(second));
}

TEST_F(MessageLoopTest, SendIsSynchronousAndReentrant) {
    HWND a = CreatePopup({0, 0, 10, 10});
    HWND b = CreatePopup({0, 0, 10, 10});
    On(a, WM_USER, [b](HWND, WPARAM depth, LPARAM) -> std::optional<LRESULT> {
        return depth < 3 ? SendMessageW(b, WM_USER, depth + 1, 0) + 1 : 100;
    });
    On(b, WM_USER, [a](HWND, WPARAM depth, LPARAM) -> std::optional<LRESULT> {
        return SendMessageW(a, WM_USER, depth + 1, 0) + 10;
    });
    // a(0) -> b(1) -> a(2) -> b(3) -> a(4) answers 100; each return adds on the way out.
    EXPECT_EQ(SendMessageW(a, WM_USER, 0, 0), 100 + 10 + 1 + 10 + 1);
}

TEST_F(MessageLoopTest, TimerWaitsBehindPostedMessagesAndIsNeverQueuedTwice) {
    HWND hwnd = CreatePopup({0, 0, 10, 10});
    ValidateRect(hwnd, nullptr);
    SetTimer(hwnd, 1331, 10, nullptr);
    backend.AdvanceClock(100);  // ten periods pass unseen
    PostMessageW(hwnd, WM_USER, 0, 0);
    PostMessageW(hwnd, WM_USER + 1, 0, 0);
    RecordPreTranslation();
    PumpPendingMessages(hwnd);
    EXPECT_EQ(OfferedMessages(), (std::vector<UINT>{WM_USER, WM_USER + 1, WM_TIMER}));
    ASSERT_EQ(Count(hwnd, WM_TIMER), 1);
    EXPECT_EQ(Received(hwnd, WM_TIMER)[0].wParam, 1331u);

    // The next period counts from when the last WM_TIMER was taken.
    backend.AdvanceClock(9);
    PumpPendingMessages(hwnd);
    EXPECT_EQ(Count(hwnd, WM_TIMER), 1);
    backend.AdvanceClock(1);
    PumpPendingMessages(hwnd);
    EXPECT_EQ(Count(hwnd, WM_TIMER), 2);

    KillTimer(hwnd, 1331);
    backend.AdvanceClock(100);
    PumpPendingMessages(hwnd);
    EXPECT_EQ(Count(hwnd, WM_TIMER), 2);
    EXPECT_FALSE(KillTimer(hwnd, 1331));
}

TEST_F(MessageLoopTest, TimersOfADestroyedWindowDie) {
    HWND hwnd = CreatePopup({0, 0, 10, 10});
    SetTimer(hwnd, 1, 10, nullptr);
    DestroyWindow(hwnd);
    backend.AdvanceClock(50);
    EXPECT_EQ(PumpPendingMessages(), 0);
    EXPECT_EQ(SetTimer(hwnd, 1, 10, nullptr), 0u);
}

TEST_F(MessageLoopTest, PaintComesAfterPostedMessagesOncePerInvalidation) {
    HWND hwnd = CreatePopup({0, 0, 20, 20});
    PumpPendingMessages(hwnd);
    ClearLog();
    RecordPreTranslation();

    InvalidateRect(hwnd, nullptr, TRUE);
    InvalidateRect(hwnd, nullptr, TRUE);  // one region, one paint
    PostMessageW(hwnd, WM_USER, 0, 0);
    PumpPendingMessages(hwnd);
    EXPECT_EQ(OfferedMessages(), (std::vector<UINT>{WM_USER, WM_PAINT}));
    EXPECT_EQ(Count(hwnd, WM_PAINT), 1);

    // A window that ignores WM_PAINT is not painted for ever.
    On(hwnd, WM_PAINT, [](HWND, WPARAM, LPARAM) -> std::optional<LRESULT> { return 0; });
    InvalidateRect(hwnd, nullptr, FALSE);
    PumpPendingMessages(hwnd);
    EXPECT_EQ(Count(hwnd, WM_PAINT), 2);

    // A paint handler that invalidates again gets one more paint, not an endless stream.
    bool again = true;
    On(hwnd, WM_PAINT, [&again](HWND self, WPARAM, LPARAM) -> std::optional<LRESULT> {
        PAINTSTRUCT ps;
        BeginPaint(self, &ps);
        if (again) InvalidateRect(self, nullptr, FALSE);
        again = false;
        EndPaint(self, &ps);
        return 0;
    });
    InvalidateRect(hwnd, nullptr, FALSE);
    PumpPendingMessages(hwnd);
    EXPECT_EQ(Count(hwnd, WM_PAINT), 4);
}

TEST_F(MessageLoopTest, HiddenWindowsArePaintedWhenShown) {
    HWND hwnd = Create(WS_POPUP, {0, 0, 20, 20});
    PumpPendingMessages();
    EXPECT_EQ(Count(hwnd, WM_PAINT), 0);
    ShowWindow(hwnd, SW_SHOW);
    PumpPendingMessages();
    EXPECT_EQ(Count(hwnd, WM_PAINT), 1);
}

TEST_F(MessageLoopTest, QuitEndsTheLoopAndIsPostedAgainForTheOuterLoop) {
    HWND hwnd = CreatePopup({0, 0, 10, 10});
    int inner = 0;
    On(hwnd, WM_USER, [&](HWND, WPARAM, LPARAM) -> std::optional<LRESULT> {
        PostQuitMessage(7);
        LoopEnd end = RunModalLoop(hwnd, nullptr);
        inner = end.quit ? end.exitCode : -1;
        return 0;
    });
    PostMessageW(hwnd, WM_USER, 0, 0);
    LoopEnd outer = RunModalLoop(hwnd, nullptr);
    EXPECT_EQ(inner, 7);
    EXPECT_TRUE(outer.quit);
    EXPECT_EQ(outer.exitCode, 7);
    EXPECT_EQ(backend.ScriptEnds(), 0) << "the quit, not the end of the script, ended both loops";
}

TEST_F(MessageLoopTest, DestroyingTheMainWindowEndsTheModalRun) {
    HWND owner = Create(WS_POPUP, {0, 0, 0, 0});
    HWND background = CreatePopup({0, 0, 100, 100}, owner);
    SetThreadMainWindow(owner);
    // The close chain: the background window passes a close request on and destroys itself; the
    // owner destroys itself.
    RecordPreTranslation([&](const MSG& msg) {
        if (msg.message != WM_CLOSE) return false;
        if (msg.hwnd == background) {
            PostMessageW(owner, WM_CLOSE, 0, 0);
            DestroyWindow(background);
        } else {
            DestroyWindow(msg.hwnd);
        }
        return true;
    });
    backend.AddStep([&] { PostMessageW(background, WM_CLOSE, 0, 0); });
    LoopEnd end = RunModalLoop(owner, [&] { return true; });
    EXPECT_TRUE(end.quit);
    EXPECT_FALSE(IsWindow(owner));
    EXPECT_FALSE(IsWindow(background));
    EXPECT_EQ(GetThreadMainWindow(), nullptr);
    EXPECT_EQ(backend.ScriptEnds(), 0);
}

TEST_F(MessageLoopTest, AConditionThatTurnsFalseEndsTheLoopWithoutQuit) {
    HWND dialog = CreatePopup({0, 0, 10, 10});
    bool running = true;
    On(dialog, WM_COMMAND, [&](HWND, WPARAM, LPARAM) -> std::optional<LRESULT> {
        running = false;
        return 0;
    });
    backend.AddStep([&] { PostMessageW(dialog, WM_COMMAND, IDOK, 0); });
    LoopEnd end = RunModalLoop(dialog, [&] { return running; });
    EXPECT_FALSE(end.quit);
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

TEST_F(MessageLoopTest, TheScriptEndsARunThatWouldOtherwiseWaitForever) {
    HWND hwnd = CreatePopup({0, 0, 10, 10});
    int step = 0;
    backend.AddStep([&] { step = 1; });
    backend.AddStep([&] {
        step = 2;
        PostMessageW(hwnd, WM_USER, 0, 0);
    });
    LoopEnd end = RunModalLoop(hwnd, [] { return true; });
    EXPECT_EQ(step, 2);
    EXPECT_EQ(Count(hwnd, WM_USER), 1);
    EXPECT_TRUE(end.quit);
    EXPECT_EQ(backend.ScriptEnds(), 1);
}

TEST_F(MessageLoopTest, PostedMessagesForADestroyedWindowAreDropped) {
    HWND hwnd = CreatePopup({0, 0, 10, 10});
    PostMessageW(hwnd, WM_USER, 0, 0);
    DestroyWindow(hwnd);
    RecordPreTranslation();
    PumpPendingMessages();
    EXPECT_TRUE(offered.empty());
}

TEST_F(MessageLoopTest, PeekingLeavesTheMessageAndFiltersByWindowAndRange) {
    HWND a = CreatePopup({0, 0, 10, 10});
    HWND b = CreatePopup({0, 0, 10, 10});
    HWND childOfB = CreateChild(b, {0, 0, 5, 5});
    PumpPendingMessages();
    PostMessageW(a, WM_USER, 1, 0);
    PostMessageW(childOfB, WM_USER + 5, 2, 0);

    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, b, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, childOfB) << "a window filter takes its children's messages too";
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER + 1, WM_USER + 9, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 2u);
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, a);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageLoopTest, KeysGoQueuedToTheFocusedWindowAndTranslateIntoCharacters) {
    HWND top = CreatePopup({0, 0, 100, 100});
    HWND edit = CreateChild(top, {0, 0, 50, 20});
    SetFocus(edit);
    RecordPreTranslation([](const MSG& msg) { return msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE; });
    backend.Key('A', u'a');
    backend.Key(VK_ESCAPE, 0x1B);  // swallowed by the hook: no character follows
    backend.Key(VK_RETURN, u'\r');
    PumpPendingMessages(top);

    EXPECT_EQ(Sequence({WM_KEYDOWN, WM_CHAR, WM_KEYUP}),
              (std::vector<std::pair<HWND, UINT>>{{edit, WM_KEYDOWN}, {edit, WM_CHAR}, {edit, WM_KEYUP}, {edit, WM_KEYUP},
                                                  {edit, WM_KEYDOWN}, {edit, WM_CHAR}, {edit, WM_KEYUP}}));
    auto chars = Received(edit, WM_CHAR);
    EXPECT_EQ(chars[0].wParam, static_cast<WPARAM>(u'a'));
    EXPECT_EQ(chars[1].wParam, static_cast<WPARAM>(u'\r'));
    EXPECT_EQ(offered.front().second, top);
}

TEST_F(MessageLoopTest, RegisteredMessagesAreStablePerName) {
    UINT first = RegisterWindowMessageW(u"QxTaskbarCreated");
    EXPECT_GE(first, 0xC000u);
    EXPECT_EQ(RegisterWindowMessageW(u"qxtaskbarcreated"), first);
    EXPECT_NE(RegisterWindowMessageW(u"QxOther"), first);
    EXPECT_EQ(RegisterWindowMessageW(u""), 0u);
}

}  // namespace
}  // namespace qx::win::test
