#pragma once
// The window system's functions (user32, and the few shell and module functions the system
// needs), on one thread with one message queue. Window handles are ids that are never reused: a
// call with a destroyed or made-up handle fails (0, FALSE, null) and touches nothing.
// Coordinates: a top-level window's rectangle is in screen pixels, a child's in its parent's
// client pixels; client rectangles start at (0, 0) (windows have no frame).

#include "platform/win/WinUser.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Window classes -----------------------------------------------------------------------------------

// Registers a class by name (case-insensitive) with its procedure and class styles. 0 when the
// name is taken or the record lacks a name or procedure; otherwise the class atom.
ATOM RegisterClassW(const WNDCLASSW* wndClass);
ATOM RegisterClassExW(const WNDCLASSEXW* wndClass);
// Removes a class no live window uses. FALSE when unknown or still in use.
BOOL UnregisterClassW(LPCWSTR className, HINSTANCE instance);
// Fills the class record of a registered class. FALSE when unknown.
BOOL GetClassInfoW(HINSTANCE instance, LPCWSTR className, WNDCLASSW* wndClass);
// Copies the window's class name (terminated, cut to maxCount - 1); the length copied, 0 on failure.
int GetClassNameW(HWND hwnd, LPWSTR className, int maxCount);

// Creation and destruction -------------------------------------------------------------------------

// Creates a window of a registered class. A WS_CHILD window needs a live parent and takes menu
// as its control id; any other window is top-level and parent (when given) becomes its owner.
// Sends WM_NCCREATE (FALSE: the window gets WM_NCDESTROY only and null is returned),
// WM_NCCALCSIZE, WM_CREATE (-1: the window is destroyed and null returned), then WM_SIZE and
// WM_MOVE; WS_VISIBLE then shows it (ShowWindow SW_SHOW). New children go to the bottom of their
// siblings, new top-level windows to the top. CW_USEDEFAULT places a top-level window at the work
// area's corner with three quarters of its size. Null on failure.
HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
// Hides the window, destroys the windows it owns (each completely), sends WM_DESTROY to the
// window and then down to its children, and WM_NCDESTROY from the deepest children up to the
// window; each handle is dead after its WM_NCDESTROY. Focus and capture inside it are dropped,
// activation passes to its owner, its timers and posted messages go. Destroying the thread's main
// window posts WM_QUIT. Safe from any handler, the window's own included. FALSE for a dead handle
// or a window already being destroyed.
BOOL DestroyWindow(HWND hwnd);
// TRUE while the handle names a live window; FALSE forever after its destruction.
BOOL IsWindow(HWND hwnd);

// The window tree ---------------------------------------------------------------------------------

// The parent of a child; the owner of a WS_POPUP window; null otherwise.
HWND GetParent(HWND hwnd);
// Moves a child under another parent (null: becomes top-level); the old parent, null on failure.
HWND SetParent(HWND child, HWND newParent);
// GW_CHILD (topmost child), GW_HWNDFIRST/LAST/NEXT/PREV (siblings, topmost first), GW_OWNER.
HWND GetWindow(HWND hwnd, UINT relation);
// The topmost child of hwnd; with null, the topmost top-level window.
HWND GetTopWindow(HWND hwnd);
// GA_PARENT (parent only, never the owner), GA_ROOT (top-level window of the chain of parents),
// GA_ROOTOWNER (GA_ROOT then up the owners).
HWND GetAncestor(HWND hwnd, UINT flags);
// TRUE when child is a descendant of parent through parent links (not owner links).
BOOL IsChild(HWND parent, HWND child);
// The first child (direct children only) with the given control id.
HWND GetDlgItem(HWND dialog, int id);
// The control id of a child window; 0 for a top-level window or a dead handle.
int GetDlgCtrlID(HWND hwnd);

// Window data --------------------------------------------------------------------------------------

// GWL_STYLE, GWL_EXSTYLE (sending WM_STYLECHANGING/WM_STYLECHANGED), GWLP_WNDPROC (subclassing;
// returns the previous procedure), GWLP_USERDATA, GWLP_ID, GWLP_HWNDPARENT (read only), or a
// byte offset into the cbWndExtra bytes. Set returns the previous value; 0 on failure.
LONG_PTR GetWindowLongPtrW(HWND hwnd, int index);
LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value);
LONG GetWindowLongW(HWND hwnd, int index);
LONG SetWindowLongW(HWND hwnd, int index, LONG value);

// Text through WM_SETTEXT / WM_GETTEXT / WM_GETTEXTLENGTH, so a window may answer for itself;
// DefWindowProcW keeps the text in the window record. Get copies at most maxCount - 1 units and
// a terminator and returns the units copied.
BOOL SetWindowTextW(HWND hwnd, LPCWSTR text);
int GetWindowTextW(HWND hwnd, LPWSTR text, int maxCount);
int GetWindowTextLengthW(HWND hwnd);

// Messages -------------------------------------------------------------------------------------------

// Calls the window procedure at once (re-entrantly) and returns its answer; 0 for a dead handle.
LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Queues the message behind those already posted. FALSE for a dead handle; a null handle posts
// a thread message (hwnd null in MSG) that DispatchMessageW ignores.
BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Asks the message loop to end: WM_QUIT (wParam exitCode) is retrieved once no posted message waits.
void PostQuitMessage(int exitCode);
// Retrieves the next message, waiting for one through the backend. Order: posted messages,
// then WM_QUIT, then WM_PAINT for a window that needs painting, then WM_TIMER for a due timer.
// FALSE for WM_QUIT, TRUE otherwise. hwnd (with its children) and the filter range narrow what
// is taken (0, 0: all messages); WM_QUIT is taken whatever the filter.
BOOL GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax);
// As GetMessageW but never waits: FALSE when nothing matches. PM_REMOVE takes the message.
// WM_PAINT is never removed by peeking; it goes away when the window is validated.
BOOL PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
// For a WM_KEYDOWN just taken from the queue, posts the WM_CHAR of the key's character (when it
// has one). TRUE when it posted one.
BOOL TranslateMessage(const MSG* msg);
// Hands a retrieved message to its window procedure; a WM_TIMER with a TIMERPROC calls that.
// WM_PAINT for a window that does not validate itself is validated afterwards. 0 for a dead target.
LRESULT DispatchMessageW(const MSG* msg);
// The default answers: WM_SETTEXT/GETTEXT/GETTEXTLENGTH keep the text; WM_CLOSE destroys the
// window; WM_SYSCOMMAND: SC_CLOSE sends WM_CLOSE, SC_MOVE (any low bits, e.g. 0xF012) asks the
// backend to move a top-level window with the mouse (not while maximised or minimised),
// SC_MAXIMIZE/SC_MINIMIZE/SC_RESTORE call ShowWindow; WM_PAINT validates; WM_ERASEBKGND fills
// with the class brush (TRUE) or answers 0 without one; WM_NCHITTEST answers HTCLIENT;
// WM_GETMINMAXINFO keeps the bounds; WM_WINDOWPOSCHANGED sends WM_MOVE, then WM_SIZE (type from
// the show state), for what changed; WM_NCCREATE TRUE; WM_SETICON/WM_GETICON keep the icons,
// WM_QUERYDRAGICON answers the big one; everything else 0.
LRESULT DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Calls a procedure (a previous one from subclassing) for hwnd.
LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// The same number for the same name (case-insensitive) for the life of the process, from 0xC000
// up. 0 for an empty name.
UINT RegisterWindowMessageW(LPCWSTR name);
// The time (the clock's milliseconds) and pointer position (screen, packed as x | y << 16) of the
// last message retrieved.
LONG GetMessageTime();
DWORD GetMessagePos();

// Timers and the clock -------------------------------------------------------------------------------

// Starts or restarts timer id of hwnd (periods below 10 ms count as 10, as on the real system).
// With a null hwnd a new id is made. A WM_TIMER is made only when no posted message waits and the
// period has passed; taking it starts the next period, so at most one is ever pending. Returns the
// id, 0 for a dead hwnd.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
// Stops the timer and removes its waiting WM_TIMER. FALSE when there is no such timer.
BOOL KillTimer(HWND hwnd, UINT_PTR id);
// Milliseconds on the backend's clock.
DWORD GetTickCount();
std::uint64_t GetTickCount64();

// Painting ---------------------------------------------------------------------------------------------

// Adds rect (client coordinates; null: the whole client area) to the update region (kept as its
// bounding rectangle); erase asks for WM_ERASEBKGND before painting. Hidden windows accumulate too.
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
// Removes rect (null: everything) from the update region.
BOOL ValidateRect(HWND hwnd, const RECT* rect);
// Sends WM_PAINT now when the window is visible and has something to paint.
BOOL UpdateWindow(HWND hwnd);
// The update rectangle (client coordinates); TRUE when it is not empty. erase: send WM_ERASEBKGND
// now if it was asked for.
BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);
// A device context over the window's surface clipped to the update rectangle; sends
// WM_ERASEBKGND first when erase was asked (fErase TRUE when it answered 0); validates the window.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
// Releases the device context of BeginPaint and shows the painted pixels.
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
// A device context over the whole client surface of hwnd; GetDC(nullptr) draws on a screen-size
// surface (what a later composition pass reads as the desktop). Released by ReleaseDC.
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC hdc);

// Showing, position and size -----------------------------------------------------------------------

// SW_HIDE, SW_SHOW, SW_SHOWNA, SW_SHOWNOACTIVATE, SW_SHOWNORMAL/SW_RESTORE (back to the normal
// rectangle), SW_MAXIMIZE (the work area, limited by WM_GETMINMAXINFO), SW_MINIMIZE/
// SW_SHOWMINIMIZED; sends WM_SHOWWINDOW on a visibility change and WM_SIZE with SIZE_RESTORED,
// SIZE_MAXIMIZED or SIZE_MINIMIZED on a state change. Answers whether it was visible before.
BOOL ShowWindow(HWND hwnd, int command);
// Visible itself and every parent up to the top-level window.
BOOL IsWindowVisible(HWND hwnd);
BOOL IsZoomed(HWND hwnd);
BOOL IsIconic(HWND hwnd);
// Minimises a window (it stays alive).
BOOL CloseWindow(HWND hwnd);
// SetWindowPos with SWP_NOZORDER | SWP_NOACTIVATE; repaint invalidates the window.
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
// Moves, sizes, restacks (after insertAfter, or HWND_TOP / HWND_BOTTOM), shows or hides by flags:
// SWP_NOSIZE, SWP_NOMOVE, SWP_NOZORDER, SWP_NOACTIVATE, SWP_SHOWWINDOW, SWP_HIDEWINDOW,
// SWP_FRAMECHANGED (sends WM_NCCALCSIZE), SWP_NOREDRAW, SWP_NOSENDCHANGING. Sends
// WM_WINDOWPOSCHANGING (may change the record), then WM_WINDOWPOSCHANGED (whose default sends
// WM_MOVE / WM_SIZE for what changed). The surface follows the client size.
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags);
// Puts the window above its siblings.
BOOL BringWindowToTop(HWND hwnd);
// Hides (FALSE: WM_SHOWWINDOW with SW_PARENTCLOSING) or shows again (TRUE: SW_PARENTOPENING) the
// pop-ups owned by owner; minimising and restoring a window does this.
BOOL ShowOwnedPopups(HWND owner, BOOL show);
// A batch of SetWindowPos calls applied in order by EndDeferWindowPos. DeferWindowPos returns
// the (same) batch handle, or null after freeing the batch when hwnd is dead.
HDWP BeginDeferWindowPos(int count);
HDWP DeferWindowPos(HDWP batch, HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL EndDeferWindowPos(HDWP batch);
// The window's rectangle in screen coordinates.
BOOL GetWindowRect(HWND hwnd, LPRECT rect);
// (0, 0, width, height).
BOOL GetClientRect(HWND hwnd, LPRECT rect);
BOOL ScreenToClient(HWND hwnd, LPPOINT point);
BOOL ClientToScreen(HWND hwnd, LPPOINT point);
// Maps count points from the client coordinates of from to those of to (null: the screen).
// Returns the horizontal offset in the low word and the vertical in the high word.
int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
// The show state and the normal (restored) rectangle.
BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement);
// The topmost visible, enabled window under a screen point, descending into children.
HWND WindowFromPoint(POINT point);

// Focus, activation, enabling --------------------------------------------------------------------------

// Gives the keyboard focus: WM_KILLFOCUS (wParam: the new window) to the old, WM_SETFOCUS
// (wParam: the old window) to the new; activates the new window's top-level window first.
// Null hwnd removes the focus. Returns the previous focus; null for a dead or disabled window.
HWND SetFocus(HWND hwnd);
HWND GetFocus();
// Activates a top-level window: WM_ACTIVATE WA_INACTIVE (lParam: the new) to the old one,
// WM_ACTIVATE WA_ACTIVE (lParam: the old) to the new one; raises it. Returns the previous one.
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
// Activates the window's top-level window and asks the backend to raise it.
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();
// Enables or disables (WM_ENABLE); a disabled window gets no mouse or keys and loses the focus.
// Returns TRUE when the window was disabled before.
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);
// Shows a hidden or minimised window (restoring it), activates it and focuses it.
void SwitchToThisWindow(HWND hwnd, BOOL altTab);

// Mouse ------------------------------------------------------------------------------------------------

// All mouse messages go to hwnd until released, wherever the pointer is. The window losing the
// capture gets WM_CAPTURECHANGED (lParam: the new one). Returns the previous capture.
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
// TME_HOVER: one WM_MOUSEHOVER after the pointer rests dwHoverTime ms (HOVER_DEFAULT: 400) in the
// window. TME_LEAVE: one WM_MOUSELEAVE when it leaves the window. Each request ends with its
// message or with TME_CANCEL. FALSE for a dead window; TME_LEAVE on a window not under the
// pointer posts WM_MOUSELEAVE at once.
BOOL TrackMouseEvent(LPTRACKMOUSEEVENT track);
BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT track);
// The pointer's last known screen position.
BOOL GetCursorPos(LPPOINT point);
// 500 ms and 4 x 4 pixels (SM_CXDOUBLECLK) decide a double click.
UINT GetDoubleClickTime();
HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name);
HCURSOR SetCursor(HCURSOR cursor);

// System -------------------------------------------------------------------------------------------------

// SPI_GETWORKAREA fills a RECT (param) with the backend's work area; other actions FALSE.
BOOL SystemParametersInfoW(UINT action, UINT uiParam, void* param, UINT winIni);
// SM_CXSCREEN/SM_CYSCREEN (the backend's screen), SM_CXDOUBLECLK/SM_CYDOUBLECLK, SM_CXICON,
// SM_CXSMICON and their Y twins, SM_CXMAXIMIZED/SM_CYMAXIMIZED; 0 for the rest.
int GetSystemMetrics(int index);
// A version whose low byte is the major version (6) and second byte the minor (1).
DWORD GetVersion();

// Menus -------------------------------------------------------------------------------------------------

HMENU CreateMenu();
HMENU CreatePopupMenu();
// MF_STRING (text), MF_SEPARATOR, MF_POPUP (item is an HMENU, owned by this menu from now on),
// MF_GRAYED, MF_DISABLED, MF_CHECKED. FALSE for a dead menu.
BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR item, LPCWSTR text);
// A menu bar made from a registered menu resource (qx::win::RegisterMenuResource); null when the
// name is not a registered id.
HMENU LoadMenuW(HINSTANCE instance, LPCWSTR name);
// The popup at a position; null when the item is not a popup. The popup stays owned by menu.
HMENU GetSubMenu(HMENU menu, int position);
int GetMenuItemCount(HMENU menu);  // -1 for a dead menu
UINT GetMenuItemID(HMENU menu, int position);  // 0xFFFFFFFF for a popup or a bad position
int GetMenuStringW(HMENU menu, UINT item, LPWSTR text, int maxCount, UINT flags);
// The previous state (MF_GRAYED | MF_DISABLED or MF_CHECKED bits), 0xFFFFFFFF when no such item.
UINT EnableMenuItem(HMENU menu, UINT item, UINT enable);
UINT CheckMenuItem(HMENU menu, UINT item, UINT check);
BOOL IsMenu(HMENU menu);
// Destroys a menu and its popups. FALSE for a dead menu or a popup still owned by another menu.
BOOL DestroyMenu(HMENU menu);
// Shows the popup through the backend (the test's chooser under headless) at a screen point. With
// TPM_RETURNCMD returns the chosen command id (0: none); otherwise posts WM_COMMAND of the chosen
// item to owner and returns TRUE when one was chosen.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* ignored);

// Message boxes -------------------------------------------------------------------------------------------

// Shown by the backend (answered by the test's answerer under headless); the button pressed
// (IDOK, IDCANCEL, IDYES, ...). Posted messages wait meanwhile.
int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

// Icons and the notification area -------------------------------------------------------------------------

// Resource 128 (the application icon) and IDI_APPLICATION; the same handle for the same
// name. Null for other names.
HICON LoadIconW(HINSTANCE instance, LPCWSTR name);
BOOL DestroyIcon(HICON icon);
// NIM_ADD, NIM_MODIFY, NIM_DELETE on the icon keyed by (hWnd, uID); every call is logged
// (qx::win::NotifyIconLog). FALSE for adding a key present, changing or deleting one absent,
// or a dead hWnd on NIM_ADD.
BOOL Shell_NotifyIconW(DWORD message, PNOTIFYICONDATAW data);

// Modules and named functions -------------------------------------------------------------------------------

// Modules are names from our own table ("user32", "kernel32"), matched case-insensitively with
// or without ".dll". LoadLibraryW and FreeLibrary count references; null for unknown names.
HMODULE LoadLibraryW(LPCWSTR name);
// A known module's handle (loaded or not); null name: the program.
HMODULE GetModuleHandleW(LPCWSTR name);
// The function of that name in the module ("UpdateLayeredWindow", "SetLayeredWindowAttributes",
// "SwitchToThisWindow" in user32), cast by the caller to its type; null when absent.
FARPROC GetProcAddress(HMODULE module, LPCSTR name);
BOOL FreeLibrary(HMODULE module);

// Layered windows ------------------------------------------------------------------------------------------

// Keeps the colour key (LWA_COLORKEY), the constant alpha (LWA_ALPHA) and flags in the window
// record for composition. FALSE unless the window has WS_EX_LAYERED.
BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF colorKey, BYTE alpha, DWORD flags);
BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* colorKey, BYTE* alpha, DWORD* flags);
// Takes a copy of the bitmap selected into source (from sourcePoint, size pixels) as the
// window's whole image; moves and sizes the window to destination / size when given, with
// WM_WINDOWPOSCHANGED, WM_MOVE and WM_SIZE; called from the window's own handling of a position
// change (its WM_SIZE handler), the new rectangle is taken without announcing it again. FALSE
// unless the window has WS_EX_LAYERED and the source holds the asked area.
BOOL UpdateLayeredWindow(HWND hwnd, HDC screen, POINT* destination, SIZE* size, HDC source,
                         POINT* sourcePoint, COLORREF colorKey, BLENDFUNCTION* blend, DWORD flags);

// Our own additions --------------------------------------------------------------------------------------

namespace qx::backend {
class Backend;
}
namespace qx::gfx {
class Surface;
}

namespace qx::win {

// Connects the window system to a backend for the scope's life. Entering and leaving drop every
// window (without messages: the objects behind their procedures may be gone), timer, menu, icon,
// focus and queued message, so each scope starts clean (tests make one each). Registered classes,
// menu resources and registered message numbers belong to the program and stay.
class WindowSystemScope {
public:
    explicit WindowSystemScope(backend::Backend& backend);
    ~WindowSystemScope();
    WindowSystemScope(const WindowSystemScope&) = delete;
    WindowSystemScope& operator=(const WindowSystemScope&) = delete;
};

// The thread's main window: destroying it posts WM_QUIT. Null clears it.
void SetThreadMainWindow(HWND hwnd);
HWND GetThreadMainWindow();

// Offered each queued message before it is translated and dispatched, with the top window of the
// loop that took it. TRUE: handled, not dispatched. The framework walks PreTranslateMessage up
// the GetParent chain to top.
using PreTranslateHook = std::function<bool(MSG& msg, HWND top)>;
void SetPreTranslateHook(PreTranslateHook hook);

// How a message loop ended.
struct LoopEnd {
    bool quit = false;  // WM_QUIT was taken (and posted again for any outer loop)
    int exitCode = 0;   // its wParam
};
// Runs the message loop for a window: takes each message, offers queued ones to the
// pre-translate hook with top, then translates and dispatches. Before each message, a
// keepRunning that answers false ends the loop (e.g. a modal dialog that was ended). When
// nothing is waiting or due, asks the backend to wait for events.
LoopEnd RunModalLoop(HWND top, const std::function<bool()>& keepRunning);
// Handles every message that is waiting or due now, as the loop would, without waiting; returns
// how many were handled. A taken WM_QUIT is put back and stops the pump.
int PumpPendingMessages(HWND top = nullptr);

// Menu resources, as the resource compiler would give them: registered once by the program's
// resources, loaded by LoadMenuW(instance, MAKEINTRESOURCEW(id)).
struct MenuResourceItem {
    UINT flags = MF_STRING;  // MF_POPUP for a popup, MF_SEPARATOR, MF_GRAYED ...
    UINT id = 0;             // the command id (not for popups)
    std::u16string text;
    std::vector<MenuResourceItem> items;  // a popup's items
};
void RegisterMenuResource(UINT id, std::vector<MenuResourceItem> items);

// The notification area as the program changed it.
struct NotifyIconCall {
    DWORD message = 0;  // NIM_ADD, NIM_MODIFY, NIM_DELETE
    NOTIFYICONDATAW data;
    BOOL result = FALSE;
};
const std::vector<NotifyIconCall>& NotifyIconLog();
std::vector<NOTIFYICONDATAW> CurrentNotifyIcons();

// Removes a named function from the module table (and RestoreNamedFunctions puts all back), so a
// test sees the program run on a system without it.
void RemoveNamedFunction(const std::string& module, const std::string& name);
void RestoreNamedFunctions();

// The pixels of an icon handle; null for a dead icon.
std::shared_ptr<gfx::Surface> SurfaceOfIcon(HICON icon);

}  // namespace qx::win
