// The window system's side of the backend: input becomes queued messages for the window under
// the pointer (or the capture, or the focus), and the desktop's requests become what the real
// system would send.

#include "platform/win/NativeEntryMessages.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>
#include <cstdlib>

using namespace qx::win;
namespace backend = qx::backend;

namespace {

WPARAM ButtonFlag(backend::MouseButton button) {
    switch (button) {
    case backend::MouseButton::Left: return MK_LBUTTON;
    case backend::MouseButton::Right: return MK_RBUTTON;
    case backend::MouseButton::Middle: return MK_MBUTTON;
    }
    return 0;
}

UINT DownMessage(backend::MouseButton button) {
    switch (button) {
    case backend::MouseButton::Left: return WM_LBUTTONDOWN;
    case backend::MouseButton::Right: return WM_RBUTTONDOWN;
    case backend::MouseButton::Middle: return WM_MBUTTONDOWN;
    }
    return WM_LBUTTONDOWN;
}

// Double-click and release messages are the down message plus 2 and plus 1.
constexpr UINT kUpOffset = 1;
constexpr UINT kDoubleOffset = 2;

// The window a mouse event at screen goes to: the capture, else the window under the point when
// it and its top-level window are enabled.
HWND MouseTarget(POINT screen) {
    ThreadState& state = State();
    if (Find(state.capture)) return state.capture;
    HWND hwnd = HitTest(screen);
    Window* window = Find(hwnd);
    if (!window || (window->style & WS_DISABLED)) return nullptr;
    return hwnd;
}

void PostMouse(HWND hwnd, UINT message, POINT screen) {
    Window* window = Find(hwnd);
    if (!window) return;
    POINT origin = ClientOriginOnScreen(*window);
    LPARAM where = MAKELPARAM(static_cast<WORD>(screen.x - origin.x), static_cast<WORD>(screen.y - origin.y));
    PostMessageW(hwnd, message, State().pointer.buttons, where);
}

bool IsSecondClick(const PointerState& pointer, UINT down, HWND hwnd, POINT screen) {
    return pointer.hasLastPress && pointer.lastPressMessage == down && pointer.lastPressWindow == hwnd &&
           Now() - pointer.lastPressTime <= kDoubleClickTime &&
           std::abs(screen.x - pointer.lastPressPoint.x) <= kDoubleClickWidth / 2 &&
           std::abs(screen.y - pointer.lastPressPoint.y) <= kDoubleClickHeight / 2;
}

void Press(POINT screen, backend::MouseButton button, bool nativeDouble) {
    ThreadState& state = State();
    PointerState& pointer = state.pointer;
    pointer.position = screen;
    TrackPointer(screen);
    pointer.buttons |= ButtonFlag(button);
    HWND hwnd = MouseTarget(screen);
    if (!hwnd) {
        pointer.hasLastPress = false;
        return;
    }
    if (!state.capture) {
        HWND root = RootOf(hwnd);
        Window* top = Find(root);
        if (top && root != state.active && !(top->exStyle & WS_EX_NOACTIVATE)) Activate(root, WA_CLICKACTIVE, true);
        if (!Find(hwnd)) return;
    }
    const UINT down = DownMessage(button);
    const bool takesDoubleClicks = (Find(hwnd)->windowClass->style & CS_DBLCLKS) != 0;
    if (takesDoubleClicks && (nativeDouble || IsSecondClick(pointer, down, hwnd, screen))) {
        // A third press starts over.
        pointer.hasLastPress = false;
        PostMouse(hwnd, down + kDoubleOffset, screen);
        return;
    }
    pointer.hasLastPress = true;
    pointer.lastPressMessage = down;
    pointer.lastPressWindow = hwnd;
    pointer.lastPressPoint = screen;
    pointer.lastPressTime = Now();
    PostMouse(hwnd, down, screen);
}

void PostKey(UINT message, WPARAM key, LPARAM flags, char16_t character) {
    ThreadState& state = State();
    HWND target = Find(state.focus) ? state.focus : state.active;
    if (!Find(target)) return;
    MSG msg;
    msg.hwnd = target;
    msg.message = message;
    msg.wParam = key;
    msg.lParam = flags;
    msg.time = static_cast<DWORD>(Now());
    msg.pt = state.pointer.position;
    state.queue.Post(msg, character);
}

class Delegate final : public backend::WindowSystemDelegate {
public:
    void OnPointerMove(POINT screen) override {
        State().pointer.position = screen;
        TrackPointer(screen);
        PostMouse(MouseTarget(screen), WM_MOUSEMOVE, screen);
    }
    void OnPointerPress(POINT screen, backend::MouseButton button) override { Press(screen, button, false); }
    void OnPointerDoubleClick(POINT screen, backend::MouseButton button) override { Press(screen, button, true); }
    void OnPointerRelease(POINT screen, backend::MouseButton button) override {
        PointerState& pointer = State().pointer;
        pointer.position = screen;
        TrackPointer(screen);
        pointer.buttons &= ~ButtonFlag(button);
        PostMouse(MouseTarget(screen), DownMessage(button) + kUpOffset, screen);
    }
    void OnKeyDown(UINT virtualKey, char16_t character) override { PostKey(WM_KEYDOWN, virtualKey, 1, character); }
    void OnKeyUp(UINT virtualKey) override { PostKey(WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001u), 0); }
    void OnText(const std::u16string& text) override {
        for (char16_t unit : text) PostKey(WM_CHAR, unit, 1, 0);
    }
    void OnConfigure(HWND hwnd, RECT bounds) override;
    void OnCloseRequest(HWND hwnd) override {
        if (Find(hwnd)) PostMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    void OnShowRequest(HWND hwnd, int showCommand) override {
        WPARAM command = showCommand == SW_MINIMIZE || showCommand == SW_SHOWMINIMIZED ? SC_MINIMIZE
                         : showCommand == SW_MAXIMIZE                                  ? SC_MAXIMIZE
                                                                                       : SC_RESTORE;
        if (Find(hwnd)) PostMessageW(hwnd, WM_SYSCOMMAND, command, 0);
    }
    void OnActivated(HWND hwnd) override {
        if (Find(hwnd)) Activate(hwnd, WA_ACTIVE, true);
    }
    void OnExpose(HWND hwnd) override {
        if (Window* window = Find(hwnd)) window->needsPresent = true;
    }
    void OnEntryChanged(HWND hwnd, const std::u16string& text, int start, int end) override {
        NativeEntryChange change{text, start, end};
        if (Find(hwnd)) SendMessageW(hwnd, WM_QX_ENTRYCHANGED, 0, reinterpret_cast<LPARAM>(&change));
    }
    void OnNativeChildFocus(HWND hwnd) override {
        if (Find(hwnd)) SetFocus(hwnd);
    }
};

// A size the user gave is held to the window's WM_GETMINMAXINFO bounds; the backend hears the
// bounds back when they differ from what it reported.
void Delegate::OnConfigure(HWND hwnd, RECT bounds) {
    Window* window = Find(hwnd);
    if (!window || !IsTopLevel(*window)) return;
    RECT rect = bounds;
    if (Width(rect) != Width(window->rect) || Height(rect) != Height(window->rect)) {
        MINMAXINFO info = QueryMinMaxInfo(hwnd);
        if (!Find(hwnd)) return;
        const LONG width = std::max(info.ptMinTrackSize.x, std::min(Width(rect), info.ptMaxTrackSize.x));
        const LONG height = std::max(info.ptMinTrackSize.y, std::min(Height(rect), info.ptMaxTrackSize.y));
        rect.right = rect.left + width;
        rect.bottom = rect.top + height;
    }
    ThreadState& state = State();
    state.configuring = hwnd;
    ApplyWindowPos(hwnd, nullptr, rect.left, rect.top, Width(rect), Height(rect), SWP_NOZORDER | SWP_NOACTIVATE);
    state.configuring = nullptr;
    if (!(rect == bounds) && Find(hwnd)) TheBackend().SetNativeBounds(hwnd, rect);
}

}  // namespace

backend::WindowSystemDelegate& qx::win::TheDelegate() {
    static Delegate delegate;
    return delegate;
}
