#pragma once
// The record the window system keeps for each live window. Only the window system changes it;
// a composition pass reads it (through FindWindowRecord in WindowRecords.h) to build images.

#include "platform/gfx/Surface.h"
#include "platform/win/WinUser.h"

#include <string>
#include <vector>

namespace qx::win {

struct WindowClass;

// What SetLayeredWindowAttributes and UpdateLayeredWindow left for the composition.
struct LayeredState {
    bool hasAttributes = false;  // SetLayeredWindowAttributes was called
    COLORREF colorKey = 0;
    BYTE alpha = 255;
    DWORD flags = 0;  // LWA_COLORKEY | LWA_ALPHA
    // The image UpdateLayeredWindow gave, as large as the window; null until then. It is the
    // window's whole image, its own surface is not shown.
    gfx::SurfacePtr image;
    BLENDFUNCTION blend;
    DWORD updateFlags = 0;  // ULW_ALPHA, ULW_COLORKEY, ULW_OPAQUE
    COLORREF updateColorKey = 0;
};

struct Window {
    HWND hwnd = nullptr;
    WindowClass* windowClass = nullptr;  // classes in use are never unregistered
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::u16string text;
    // Screen pixels for a top-level window, parent-client pixels for a child. No frame: the
    // client area is the whole window.
    RECT rect;
    // The rectangle to restore to from maximised or minimised (same coordinates as rect).
    RECT normalRect;
    bool restoreToMaximized = false;
    HWND parent = nullptr;  // children only
    HWND owner = nullptr;   // top-level windows only
    std::vector<HWND> children;  // topmost first
    UINT_PTR id = 0;
    LONG_PTR userData = 0;
    std::vector<BYTE> extraBytes;  // cbWndExtra
    HINSTANCE instance = nullptr;

    // The backing store, as large as the client area; children have their own.
    gfx::SurfacePtr surface;
    // The update region, kept as its bounding rectangle in client pixels.
    RECT updateRect;
    bool needErase = false;
    // Counts invalidations, so a WM_PAINT whose handler left the window invalid without new
    // invalidation can be validated (one WM_PAINT per invalidation).
    unsigned invalidSerial = 0;
    // The top-level image changed since it was last presented.
    bool needsPresent = false;

    bool destroying = false;
    bool hiddenWithOwner = false;  // hidden because its owner was minimised
    // The window is inside its own WM_WINDOWPOSCHANGED (see UpdateLayeredWindow).
    int positionNotifyDepth = 0;

    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    LayeredState layered;
};

inline bool IsTopLevel(const Window& window) { return (window.style & WS_CHILD) == 0; }
inline LONG Width(const RECT& r) { return r.right - r.left; }
inline LONG Height(const RECT& r) { return r.bottom - r.top; }
inline bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }
inline bool Contains(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace qx::win
