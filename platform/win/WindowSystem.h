#pragma once
// The state of the window system on its one thread, and the helpers its parts share. Internal
// to platform/win: the system's code uses WinApi.h.

#include "platform/backend/Backend.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/TimerTable.h"
#include "platform/win/WinApi.h"
#include "platform/win/Window.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowTable.h"

#include <cstdint>
#include <optional>

namespace qx::win {

// WINDOWPOS flags the system uses inside: the client area did not move / did not change size,
// so the default WM_WINDOWPOSCHANGED handling sends no WM_MOVE / WM_SIZE.
constexpr UINT SWP_NOCLIENTSIZE = 0x0800;
constexpr UINT SWP_NOCLIENTMOVE = 0x1000;

// The double-click and hover rules, as the real system's defaults.
constexpr UINT kDoubleClickTime = 500;
constexpr int kDoubleClickWidth = 4;
constexpr int kDoubleClickHeight = 4;
constexpr DWORD kDefaultHoverTime = 400;
constexpr int kHoverWidth = 4;
constexpr int kHoverHeight = 4;

struct PointerState {
    POINT position;
    WPARAM buttons = 0;  // MK_LBUTTON, MK_RBUTTON, MK_MBUTTON held
    // The last press, to recognise the second press of a double click.
    bool hasLastPress = false;
    UINT lastPressMessage = 0;
    HWND lastPressWindow = nullptr;
    POINT lastPressPoint;
    std::uint64_t lastPressTime = 0;
    // TrackMouseEvent: one window at a time, as the real system.
    HWND trackWindow = nullptr;
    DWORD trackFlags = 0;  // TME_HOVER and/or TME_LEAVE still pending
    DWORD hoverTime = kDefaultHoverTime;
    std::uint64_t hoverDue = 0;
    RECT hoverRect;  // screen; moving out of it restarts the hover time
};

struct ThreadState {
    backend::Backend* backend = nullptr;
    ClassRegistry classes;
    WindowTable windows;
    MessageQueue queue;
    TimerTable timers;
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    HWND mainWindow = nullptr;
    PointerState pointer;
    PreTranslateHook preTranslate;
    MSG lastMessage;
    // The WM_KEYDOWN last taken from the queue, for TranslateMessage.
    bool hasLastKeyDown = false;
    QueuedMessage lastKeyDown;
    // The last WM_PAINT handed out and the window's invalidation count then: if the window is
    // still invalid with the same count when the next message is taken, it is validated.
    HWND paintHandedOut = nullptr;
    unsigned paintSerial = 0;
    // The top-level window whose new bounds came from the backend (not echoed back).
    HWND configuring = nullptr;
};

ThreadState& State();
// The connected backend, or a stand-in with the default screen, a clock at 0 and no events.
backend::Backend& TheBackend();
std::uint64_t Now();
// Forgets every window, message, timer, menu and icon without sending anything.
void ResetState();

// The live record of hwnd; null for a dead or made-up handle.
Window* Find(HWND hwnd);
// The top-level window hwnd lies in (following parents, not owners).
HWND RootOf(HWND hwnd);
// Where the window's client (0, 0) is on the screen.
POINT ClientOriginOnScreen(const Window& window);
RECT ClientRect(const Window& window);
// WS_VISIBLE on the window and on every parent.
bool IsShown(const Window& window);

// Forget the state of one part (ResetState).
void ResetMenus();
void ResetIcons();
void ResetNotifyIcons();
void ResetDeferredBatches();
void ResetScreenSurface();

// DestroyWindow.cpp: drops a window and its children without a message.
void DropWindowRecord(HWND hwnd);

// Painting.cpp
void Invalidate(Window& window, const RECT* clientRect, bool erase);
// Gives the window a surface of its client size (content cleared) and invalidates it.
void ResizeSurface(Window& window);
// Remembers that the top-level window of hwnd shows new pixels.
void MarkForPresent(HWND hwnd);
// Hands the image of every top-level window that changed to the backend.
void PresentPendingWindows();
// A visible window with something to paint, parents before children; null when none.
HWND FindWindowToPaint(const std::function<bool(HWND)>& matches);
// Validates the window of the last WM_PAINT handed out if its handler left it as it was.
void SettleHandedOutPaint();

// WindowPos.cpp: SetWindowPos with the system's own additions: forceSize sends WM_SIZE even when
// the size stayed (a maximise, minimise or restore changed the size type), forceMove WM_MOVE.
BOOL ApplyWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags,
                    bool forceSize = false, bool forceMove = false);
// Puts a top-level window and the windows it owns above the others.
void RaiseTopLevel(HWND hwnd);

// ShowWindow.cpp
// The size bounds of a window: the defaults from the work area and the screen, then whatever its
// WM_GETMINMAXINFO handler makes of them.
MINMAXINFO QueryMinMaxInfo(HWND hwnd);
backend::NativeWindowStyle NativeStyleOf(const Window& window);
// Tells the backend what a top-level window's visibility and style are now.
void SyncNativeVisibility(const Window& window, bool activate);

// Activation.cpp: activates the top-level window of hwnd (WM_ACTIVATE to both sides); with
// giveFocus, focuses it when the focus is not already inside it.
void Activate(HWND hwnd, WORD how, bool giveFocus);
// Moves focus, activation, capture and mouse tracking off a window that is going away.
void ForgetWindow(HWND hwnd);

// Mouse.cpp
// Posts WM_MOUSELEAVE / restarts the hover time for a pointer now at screen.
void TrackPointer(POINT screen);
// Posts WM_MOUSEHOVER when its time came; the time it will come, if pending.
void PostHoverIfDue();
std::optional<std::uint64_t> HoverDeadline();

// HitTest.cpp: the window that gets the mouse at a screen point.
HWND HitTest(POINT screen);

// InputRouting.cpp: the window system's side of the backend.
backend::WindowSystemDelegate& TheDelegate();

}  // namespace qx::win
