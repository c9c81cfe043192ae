#include "platform/win/WindowSystem.h"

#include "platform/win/WindowRecords.h"

#include <cstdio>

namespace qx::win {

namespace {

// Stands in while no backend is connected: the default screen, a clock that stands still, and
// no events, so a loop ends instead of waiting forever.
class DetachedBackend final : public backend::Backend {
public:
    void SetDelegate(backend::WindowSystemDelegate*) override {}
    RECT ScreenRect() const override { return {0, 0, 1920, 1080}; }
    RECT WorkArea() const override { return {0, 0, 1920, 1040}; }
    std::uint64_t Now() const override { return 0; }
    void WaitForEvents(std::optional<std::uint64_t>) override {
        std::fprintf(stderr, "qx::win: a message loop waited without a backend; ending it\n");
        PostQuitMessage(0);
    }
    void CreateNativeWindow(HWND, RECT, const std::u16string&, const backend::NativeWindowStyle&) override {}
    void DestroyNativeWindow(HWND) override {}
    void ShowNativeWindow(HWND, bool) override {}
    void HideNativeWindow(HWND) override {}
    void MinimizeNativeWindow(HWND) override {}
    void SetNativeBounds(HWND, RECT) override {}
    void SetNativeTitle(HWND, const std::u16string&) override {}
    void SetNativeStyle(HWND, const backend::NativeWindowStyle&) override {}
    void RaiseNativeWindow(HWND, bool) override {}
    void Present(HWND, const gfx::Surface&) override {}
    void BeginInteractiveMove(HWND, POINT) override {}
    UINT TrackPopupMenu(HWND, const backend::MenuModel&, POINT, UINT) override { return 0; }
    int ShowMessageBox(HWND, const std::u16string&, const std::u16string&, UINT) override { return IDCANCEL; }
};

DetachedBackend g_detached;

}  // namespace

ThreadState& State() {
    static ThreadState state;
    return state;
}

backend::Backend& TheBackend() {
    backend::Backend* connected = State().backend;
    return connected ? *connected : g_detached;
}

std::uint64_t Now() { return TheBackend().Now(); }

void ResetState() {
    ThreadState& state = State();
    state.windows.Clear();
    state.classes.ForgetWindows();
    state.queue.Clear();
    state.timers.Clear();
    state.focus = state.active = state.capture = state.mainWindow = nullptr;
    state.pointer = PointerState{};
    state.preTranslate = nullptr;
    state.lastMessage = MSG{};
    state.hasLastKeyDown = false;
    state.paintHandedOut = nullptr;
    state.configuring = nullptr;
    ResetMenus();
    ResetIcons();
    ResetNotifyIcons();
    ResetDeferredBatches();
    ResetScreenSurface();
    RestoreNamedFunctions();
}

WindowSystemScope::WindowSystemScope(backend::Backend& backend) {
    ResetState();
    State().backend = &backend;
    backend.SetDelegate(&TheDelegate());
}

WindowSystemScope::~WindowSystemScope() {
    // Windows left over are dropped without messages: the objects behind their procedures may
    // already be gone.
    if (State().backend) State().backend->SetDelegate(nullptr);
    ResetState();
    State().backend = nullptr;
}

Window* Find(HWND hwnd) { return hwnd ? State().windows.Find(hwnd) : nullptr; }

HWND RootOf(HWND hwnd) {
    Window* window = Find(hwnd);
    while (window && !IsTopLevel(*window)) {
        Window* parent = Find(window->parent);
        if (!parent) break;
        window = parent;
    }
    return window ? window->hwnd : nullptr;
}

POINT ClientOriginOnScreen(const Window& window) {
    POINT origin{window.rect.left, window.rect.top};
    const Window* current = &window;
    while (!IsTopLevel(*current)) {
        current = Find(current->parent);
        if (!current) break;
        origin.x += current->rect.left;
        origin.y += current->rect.top;
    }
    return origin;
}

RECT ClientRect(const Window& window) { return {0, 0, Width(window.rect), Height(window.rect)}; }

bool IsShown(const Window& window) {
    const Window* current = &window;
    while (current) {
        if (!(current->style & WS_VISIBLE)) return false;
        if (IsTopLevel(*current)) return true;
        current = Find(current->parent);
    }
    return false;
}

void SetThreadMainWindow(HWND hwnd) { State().mainWindow = hwnd; }
HWND GetThreadMainWindow() { return State().mainWindow; }

}  // namespace qx::win

namespace qx::win {

const Window* FindWindowRecord(HWND hwnd) { return Find(hwnd); }

std::vector<HWND> TopLevelWindowsInZOrder() { return State().windows.TopLevels(); }

}  // namespace qx::win
