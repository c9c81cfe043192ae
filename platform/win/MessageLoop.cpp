// Taking messages: posted ones first, then the quit request, then WM_PAINT, then WM_TIMER, as the
// real system orders them; waiting through the backend when there is nothing; and the modal
// loop with its pre-translation hook.

#include "platform/win/WindowSystem.h"

#include <cstdio>

using namespace qx::win;

namespace {

const HWND kThreadMessagesOnly = HandleFromId<HWND>(static_cast<std::uintptr_t>(-1));

struct Filter {
    HWND hwnd = nullptr;
    UINT min = 0;
    UINT max = 0;

    bool AllowsMessage(UINT message) const { return (min == 0 && max == 0) || (message >= min && message <= max); }
    bool AllowsWindow(HWND target) const {
        if (hwnd == kThreadMessagesOnly) return target == nullptr;
        return !hwnd || target == hwnd || IsChild(hwnd, target);
    }
    bool Allows(const MSG& msg) const { return AllowsMessage(msg.message) && AllowsWindow(msg.hwnd); }
};

MSG Generated(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = static_cast<DWORD>(Now());
    msg.pt = State().pointer.position;
    return msg;
}

std::optional<std::uint64_t> NextDeadline() {
    std::optional<std::uint64_t> deadline = State().timers.NextDue();
    std::optional<std::uint64_t> hover = HoverDeadline();
    if (hover && (!deadline || *hover < *deadline)) deadline = hover;
    // Something already due that the filter keeps out gives no reason to wake up.
    if (deadline && *deadline <= Now()) deadline.reset();
    return deadline;
}

bool TryTake(MSG& out, const Filter& filter, bool remove) {
    ThreadState& state = State();
    if (remove) SettleHandedOutPaint();
    PostHoverIfDue();

    QueuedMessage queued;
    if (state.queue.Take([&](const MSG& msg) { return filter.Allows(msg); }, remove, queued)) {
        out = queued.msg;
        if (remove && out.message == WM_KEYDOWN) {
            state.hasLastKeyDown = true;
            state.lastKeyDown = queued;
        }
        return true;
    }
    // As on the real system, the quit request is taken whatever the filter says.
    if (state.queue.QuitPending()) {
        out = Generated(nullptr, WM_QUIT, static_cast<WPARAM>(state.queue.QuitCode()), 0);
        if (remove) state.queue.ClearQuit();
        return true;
    }
    if (filter.AllowsMessage(WM_PAINT)) {
        if (HWND hwnd = FindWindowToPaint([&](HWND h) { return filter.AllowsWindow(h); })) {
            out = Generated(hwnd, WM_PAINT, 0, 0);
            if (remove) {
                state.paintHandedOut = hwnd;
                state.paintSerial = Find(hwnd)->invalidSerial;
            }
            return true;
        }
    }
    if (filter.AllowsMessage(WM_TIMER)) {
        const Timer* timer = state.timers.FirstDue(Now(), [&](const Timer& t) { return filter.AllowsWindow(t.hwnd); });
        if (timer) {
            out = Generated(timer->hwnd, WM_TIMER, timer->id, reinterpret_cast<LPARAM>(timer->proc));
            if (remove) state.timers.Restart(timer->hwnd, timer->id, Now());
            return true;
        }
    }
    return false;
}

bool TakeMessage(MSG& out, const Filter& filter, bool remove, bool wait) {
    for (;;) {
        if (TryTake(out, filter, remove)) {
            if (remove) State().lastMessage = out;
            return true;
        }
        if (!wait) return false;
        PresentPendingWindows();
        TheBackend().WaitForEvents(NextDeadline());
    }
}

// The character a key types when the backend did not say (a key posted by the program itself).
char16_t CharacterOfKey(WPARAM key) {
    if (key == VK_RETURN || key == VK_BACK || key == VK_TAB || key == VK_ESCAPE || key == VK_SPACE) {
        return static_cast<char16_t>(key);
    }
    if (key >= '0' && key <= '9') return static_cast<char16_t>(key);
    if (key >= 'A' && key <= 'Z') return static_cast<char16_t>(key - 'A' + 'a');
    return 0;
}

// Offers a message to the pre-translation hook, then translates and dispatches it.
void Handle(MSG& msg, HWND top) {
    PreTranslateHook hook = State().preTranslate;
    if (hook && hook(msg, top)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

}  // namespace

BOOL GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (!msg) return FALSE;
    TakeMessage(*msg, Filter{hwnd, filterMin, filterMax}, true, true);
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    if (!msg) return FALSE;
    return TakeMessage(*msg, Filter{hwnd, filterMin, filterMax}, (removeFlags & PM_REMOVE) != 0, false) ? TRUE : FALSE;
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg || msg->message != WM_KEYDOWN) return FALSE;
    ThreadState& state = State();
    const MSG& last = state.lastKeyDown.msg;
    char16_t character = 0;
    if (state.hasLastKeyDown && last.hwnd == msg->hwnd && last.wParam == msg->wParam && last.lParam == msg->lParam &&
        last.time == msg->time) {
        character = state.lastKeyDown.keyCharacter;
    } else {
        character = CharacterOfKey(msg->wParam);
    }
    state.hasLastKeyDown = false;
    if (!character || !Find(msg->hwnd)) return FALSE;
    MSG typed = *msg;
    typed.message = WM_CHAR;
    typed.wParam = character;
    state.queue.PostFront(typed);
    return TRUE;
}

LRESULT DispatchMessageW(const MSG* msg) {
    if (!msg) return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        // Only the procedure of a live timer is called; lParam is not trusted otherwise.
        const Timer* timer = State().timers.Find(msg->hwnd, msg->wParam);
        if (!timer || reinterpret_cast<LPARAM>(timer->proc) != msg->lParam) return 0;
        timer->proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
        return 0;
    }
    if (!msg->hwnd) return 0;
    return SendMessageW(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

namespace qx::win {

void SetPreTranslateHook(PreTranslateHook hook) { State().preTranslate = std::move(hook); }

LoopEnd RunModalLoop(HWND top, const std::function<bool()>& keepRunning) {
    MSG msg;
    for (;;) {
        if (keepRunning && !keepRunning()) return LoopEnd{};
        if (!GetMessageW(&msg, nullptr, 0, 0)) {
            // Outer loops end too.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return LoopEnd{true, static_cast<int>(msg.wParam)};
        }
        Handle(msg, top);
    }
}

int PumpPendingMessages(HWND top) {
    // A window that invalidates itself in every paint would keep a pump busy for ever.
    constexpr int kLimit = 100000;
    int handled = 0;
    MSG msg;
    while (handled < kLimit && TakeMessage(msg, Filter{}, true, false)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        Handle(msg, top);
        ++handled;
    }
    if (handled == kLimit) std::fprintf(stderr, "qx::win: message pump stopped after %d messages\n", kLimit);
    PresentPendingWindows();
    return handled;
}

}  // namespace qx::win
