#pragma once
// The boundary between the window system (platform/win) and what puts its windows on a screen:
// commands go down through Backend, events come up through WindowSystemDelegate. The window
// system keeps every window, message, timer and image itself; a backend only shows top-level
// windows, reports input, keeps time and waits. Headless (tests) and GTK (users) implement it.
// Top-level windows are named by their HWND; points and rectangles are in screen pixels.

#include "platform/base/WinTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qx::gfx {
class Surface;
}

namespace qx::backend {

enum class MouseButton { Left, Right, Middle };

// A popup menu as plain data, for the backend to show.
struct MenuModelItem {
    enum class Kind { Command, Separator, Popup };
    Kind kind = Kind::Command;
    UINT id = 0;  // the command id of a Command item
    std::u16string text;
    bool enabled = true;
    bool checked = false;
    std::vector<MenuModelItem> items;  // a Popup's items
};
struct MenuModel {
    std::vector<MenuModelItem> items;
};

// A widget of the desktop's own standing over a child window: it covers the window's rectangle
// inside its top-level window and follows the window's place and visibility.
enum class NativeChildKind {
    Entry,  // a one-line text box that edits and draws itself
    Page,   // a holder for a web page's widget
};

// How an entry looks and behaves.
struct EntryLook {
    COLORREF text = 0;
    COLORREF background = 0x00FFFFFF;
    bool transparentBackground = false;  // nothing painted behind the text: the window shows through
    std::u16string fontFace;             // empty: the desktop's
    int fontPixelHeight = 0;             // 0: the desktop's
    bool bold = false;
    bool readOnly = false;
    bool mouseThrough = false;  // presses go to the window system as if the entry were not there
    bool operator==(const EntryLook&) const = default;
};

// How a top-level window sits on the desktop.
struct NativeWindowStyle {
    bool taskbarButton = false;  // it has an entry in the taskbar
    bool layered = false;        // its image has per-pixel alpha or a colour key
    bool noActivate = false;     // clicks do not activate it
    HWND owner = nullptr;        // it stays above this window and goes with it
};

// Events up: what the desktop and the user did. Implemented by the window system.
class WindowSystemDelegate {
public:
    virtual ~WindowSystemDelegate() = default;
    // The pointer moved to a screen point.
    virtual void OnPointerMove(POINT screen) = 0;
    // A button went down. The window system itself tells double clicks by time and distance.
    virtual void OnPointerPress(POINT screen, MouseButton button) = 0;
    // Instead of OnPointerPress, for a press the native system already knows is the second of a
    // double click.
    virtual void OnPointerDoubleClick(POINT screen, MouseButton button) = 0;
    virtual void OnPointerRelease(POINT screen, MouseButton button) = 0;
    // A key went down; character is the UTF-16 unit it types (0: none). Goes to the focused window.
    virtual void OnKeyDown(UINT virtualKey, char16_t character) = 0;
    virtual void OnKeyUp(UINT virtualKey) = 0;
    // Text committed by an input method; goes to the focused window as characters.
    virtual void OnText(const std::u16string& text) = 0;
    // The user or the desktop moved or resized a top-level window (an interactive move, an edge
    // drag). The window system applies its size bounds and sets the bounds back if they differ.
    virtual void OnConfigure(HWND hwnd, RECT bounds) = 0;
    // The desktop asks the window to close (its close button, a keyboard shortcut).
    virtual void OnCloseRequest(HWND hwnd) = 0;
    // The desktop asks to minimise or restore the window (SW_MINIMIZE, SW_RESTORE), e.g. from the taskbar.
    virtual void OnShowRequest(HWND hwnd, int showCommand) = 0;
    // The desktop activated the window (a click on its taskbar entry, a window switcher).
    virtual void OnActivated(HWND hwnd) = 0;
    // The desktop lost the pixels of the window; the window system presents it again.
    virtual void OnExpose(HWND hwnd) = 0;

    // The user changed an entry's text or selection (commands from the window system are not
    // echoed). Selection: the units start to end, end exclusive.
    virtual void OnEntryChanged(HWND /*hwnd*/, const std::u16string& /*text*/, int /*start*/, int /*end*/) {}
    // The user gave a native child the keyboard (clicked into it).
    virtual void OnNativeChildFocus(HWND /*hwnd*/) {}
};

// Commands down: what the window system asks of the desktop.
class Backend {
public:
    virtual ~Backend() = default;

    // Events go to delegate from now on (null: nowhere). Called when the window system connects.
    virtual void SetDelegate(WindowSystemDelegate* delegate) = 0;

    // The whole screen, and the part of it that windows may cover when maximised.
    virtual RECT ScreenRect() const = 0;
    virtual RECT WorkArea() const = 0;

    // Milliseconds on a monotonic clock; timers and double clicks are measured on it.
    virtual std::uint64_t Now() const = 0;
    // Called when nothing is waiting or due: returns after delivering events, or once Now()
    // reached deadline (when given). A backend that will never deliver another event posts
    // WM_QUIT before returning, so no loop waits forever.
    virtual void WaitForEvents(std::optional<std::uint64_t> deadline) = 0;

    // A top-level window came to exist (hidden) / is gone.
    virtual void CreateNativeWindow(HWND hwnd, RECT bounds, const std::u16string& title,
                                    const NativeWindowStyle& style) = 0;
    virtual void DestroyNativeWindow(HWND hwnd) = 0;
    // Shows the window (restoring it when minimised), raising it; activate: also give it the
    // keyboard.
    virtual void ShowNativeWindow(HWND hwnd, bool activate) = 0;
    virtual void HideNativeWindow(HWND hwnd) = 0;
    // Iconifies a shown window.
    virtual void MinimizeNativeWindow(HWND hwnd) = 0;
    virtual void SetNativeBounds(HWND hwnd, RECT bounds) = 0;
    virtual void SetNativeTitle(HWND hwnd, const std::u16string& title) = 0;
    virtual void SetNativeStyle(HWND hwnd, const NativeWindowStyle& style) = 0;
    // Puts the window above the program's other windows; activate: and gives it the keyboard.
    virtual void RaiseNativeWindow(HWND hwnd, bool activate) = 0;
    // The window's whole image, as large as its bounds, premultiplied ARGB. Kept until replaced.
    virtual void Present(HWND hwnd, const gfx::Surface& image) = 0;

    // Moves the window with the pointer, which is down at screen, until the button goes up;
    // reports each new position with OnConfigure. Returns at once.
    virtual void BeginInteractiveMove(HWND hwnd, POINT screen) = 0;
    // Shows a popup menu at a screen point until the user chooses or dismisses it; the chosen
    // command id, 0 when dismissed. flags are the TPM_ alignment flags.
    virtual UINT TrackPopupMenu(HWND owner, const MenuModel& menu, POINT screen, UINT flags) = 0;
    // Shows a message box (MB_ type flags) until answered; the button pressed (IDOK, IDYES, ...).
    virtual int ShowMessageBox(HWND owner, const std::u16string& text, const std::u16string& caption,
                               UINT type) = 0;

    // Native children. Whether this backend offers children of the kind; without, the window
    // system draws and edits the window itself.
    virtual bool SupportsNativeChild(NativeChildKind /*kind*/) const { return false; }
    // Gives the child window hwnd a native child (none before); it follows the window's
    // rectangle and visibility until destroyed.
    virtual void CreateNativeChild(HWND /*hwnd*/, NativeChildKind /*kind*/) {}
    virtual void DestroyNativeChild(HWND /*hwnd*/) {}
    // An entry's text, selection (start to end, end exclusive; -1 end: to the end) and look.
    virtual void SetEntryText(HWND /*hwnd*/, const std::u16string& /*text*/) {}
    virtual void SetEntrySelection(HWND /*hwnd*/, int /*start*/, int /*end*/) {}
    virtual void SetEntryLook(HWND /*hwnd*/, const EntryLook& /*look*/) {}
    // The window system moved the keyboard focus into (true) or out of (false) the entry.
    virtual void SetEntryFocus(HWND /*hwnd*/, bool /*focused*/) {}
    // A key press in an entry reaches the window system first, as OnKeyDown; when its
    // WM_KEYDOWN comes through the pre-translation to the entry's window, this lets the entry
    // handle that press (older presses not delivered are dropped).
    virtual void DeliverEntryKey(HWND /*hwnd*/, UINT /*virtualKey*/) {}
};

}  // namespace qx::backend
