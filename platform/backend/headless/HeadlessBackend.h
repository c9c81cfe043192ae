#pragma once
// The backend of the tests: a screen of a chosen size in memory, a virtual clock that only moves
// when told, input injected at screen points, menus and message boxes answered by the test, and
// a script of steps that a waiting message loop runs one by one. When a loop would wait with no
// step left, the run ends cleanly (WM_QUIT, and a line on stderr) instead of hanging.

#include "platform/backend/Backend.h"
#include "platform/gfx/Surface.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace qx::backend {

struct HeadlessOptions {
    RECT screen{0, 0, 1920, 1080};
    RECT workArea{0, 0, 1920, 1040};
    bool nativeEntries = false;  // offer native entries, as a desktop with text boxes of its own
};

// What the headless desktop keeps of a native child.
struct HeadlessNativeChild {
    NativeChildKind kind = NativeChildKind::Entry;
    std::u16string text;
    int selectionStart = 0;
    int selectionEnd = 0;
    EntryLook look;
    bool focused = false;
    std::vector<UINT> deliveredKeys;  // DeliverEntryKey, in order
};

// What the headless desktop shows for one top-level window.
struct HeadlessWindow {
    RECT bounds;
    std::u16string title;
    NativeWindowStyle style;
    bool visible = false;
    bool minimized = false;
    gfx::SurfacePtr image;  // a copy of the last image presented; null before the first
    int presentCount = 0;
};

struct ShownMenu {
    HWND owner = nullptr;
    MenuModel menu;
    POINT at;
    UINT flags = 0;
    UINT chosen = 0;
};

struct ShownMessageBox {
    HWND owner = nullptr;
    std::u16string text;
    std::u16string caption;
    UINT type = 0;
    int answer = 0;
};

class HeadlessBackend final : public Backend {
public:
    explicit HeadlessBackend(HeadlessOptions options = {});

    // Backend
    void SetDelegate(WindowSystemDelegate* delegate) override { m_delegate = delegate; }
    RECT ScreenRect() const override { return m_options.screen; }
    RECT WorkArea() const override { return m_options.workArea; }
    std::uint64_t Now() const override { return m_now; }
    void WaitForEvents(std::optional<std::uint64_t> deadline) override;
    void CreateNativeWindow(HWND hwnd, RECT bounds, const std::u16string& title, const NativeWindowStyle& style) override;
    void DestroyNativeWindow(HWND hwnd) override;
    void ShowNativeWindow(HWND hwnd, bool activate) override;
    void HideNativeWindow(HWND hwnd) override;
    void MinimizeNativeWindow(HWND hwnd) override;
    void SetNativeBounds(HWND hwnd, RECT bounds) override;
    void SetNativeTitle(HWND hwnd, const std::u16string& title) override;
    void SetNativeStyle(HWND hwnd, const NativeWindowStyle& style) override;
    void RaiseNativeWindow(HWND hwnd, bool activate) override;
    void Present(HWND hwnd, const gfx::Surface& image) override;
    void BeginInteractiveMove(HWND hwnd, POINT screen) override;
    UINT TrackPopupMenu(HWND owner, const MenuModel& menu, POINT screen, UINT flags) override;
    int ShowMessageBox(HWND owner, const std::u16string& text, const std::u16string& caption, UINT type) override;
    bool SupportsNativeChild(NativeChildKind kind) const override;
    void CreateNativeChild(HWND hwnd, NativeChildKind kind) override;
    void DestroyNativeChild(HWND hwnd) override;
    void SetEntryText(HWND hwnd, const std::u16string& text) override;
    void SetEntrySelection(HWND hwnd, int start, int end) override;
    void SetEntryLook(HWND hwnd, const EntryLook& look) override;
    void SetEntryFocus(HWND hwnd, bool focused) override;
    void DeliverEntryKey(HWND hwnd, UINT virtualKey) override;

    // The clock: moves forward by milliseconds; due timers fire when messages are next taken.
    void AdvanceClock(std::uint64_t milliseconds) { m_now += milliseconds; }

    // Input at screen points. While an interactive move runs, pointer motion moves the window
    // and the release ends the move; the program sees neither.
    void MovePointer(POINT screen);
    void Press(POINT screen, MouseButton button = MouseButton::Left);
    void Release(POINT screen, MouseButton button = MouseButton::Left);
    void Click(POINT screen, MouseButton button = MouseButton::Left);
    // Two clicks at the same point and time.
    void DoubleClick(POINT screen, MouseButton button = MouseButton::Left);
    // Keys into the focused window; character is what the key types (0: none).
    void KeyDown(UINT virtualKey, char16_t character = 0);
    void KeyUp(UINT virtualKey);
    void Key(UINT virtualKey, char16_t character = 0);
    void TypeText(const std::u16string& text);

    // The desktop's own requests: a user resize or move, the close button, the taskbar.
    void Configure(HWND hwnd, RECT bounds);
    void RequestClose(HWND hwnd);
    void RequestShow(HWND hwnd, int showCommand);
    void ActivateFromDesktop(HWND hwnd);

    // The user edits a native entry (its text and selection change, the window system hears of
    // it) or clicks into a native child.
    void EditEntry(HWND hwnd, const std::u16string& text, int start, int end);
    void ClickIntoNativeChild(HWND hwnd);
    // The desktop's record of a native child; null when there is none.
    const HeadlessNativeChild* FindNativeChild(HWND hwnd) const;

    // Who answers menus (default: dismissed, 0) and message boxes (default: the first button).
    using MenuChooser = std::function<UINT(const ShownMenu&)>;
    using MessageBoxAnswerer = std::function<int(const ShownMessageBox&)>;
    void SetMenuChooser(MenuChooser chooser) { m_menuChooser = std::move(chooser); }
    void SetMessageBoxAnswerer(MessageBoxAnswerer answerer) { m_messageBoxAnswerer = std::move(answerer); }
    const std::vector<ShownMenu>& Menus() const { return m_menus; }
    const std::vector<ShownMessageBox>& MessageBoxes() const { return m_messageBoxes; }

    // The script: each time a message loop has nothing to do, the next step runs.
    using Step = std::function<void()>;
    void AddStep(Step step) { m_script.push_back(std::move(step)); }
    std::size_t PendingSteps() const { return m_script.size(); }
    // How many runs ended because the script was used up.
    int ScriptEnds() const { return m_scriptEnds; }

    // The desktop's record of a top-level window; null when there is none.
    const HeadlessWindow* FindWindow(HWND hwnd) const;
    // The window the desktop activated last (null: none).
    HWND ActiveWindow() const { return m_active; }
    bool IsMoving() const { return m_moving != nullptr; }

private:
    HeadlessWindow* Record(HWND hwnd);

    HeadlessOptions m_options;
    WindowSystemDelegate* m_delegate = nullptr;
    std::uint64_t m_now = 0;
    std::map<HWND, HeadlessWindow> m_windows;
    std::map<HWND, HeadlessNativeChild> m_children;
    HWND m_active = nullptr;

    HWND m_moving = nullptr;
    POINT m_moveStart;
    RECT m_moveStartBounds;

    MenuChooser m_menuChooser;
    MessageBoxAnswerer m_messageBoxAnswerer;
    std::vector<ShownMenu> m_menus;
    std::vector<ShownMessageBox> m_messageBoxes;

    std::deque<Step> m_script;
    int m_scriptEnds = 0;
};

}  // namespace qx::backend
