// Capture, mouse tracking (hover and leave), the pointer position and cursors.

#include "platform/win/WindowSystem.h"

#include <cstdlib>

using namespace qx::win;

namespace {

RECT HoverRectAround(POINT p) {
    return {p.x - kHoverWidth / 2, p.y - kHoverHeight / 2, p.x + kHoverWidth / 2 + 1, p.y + kHoverHeight / 2 + 1};
}

void EndTracking(DWORD flags) {
    PointerState& pointer = State().pointer;
    pointer.trackFlags &= ~flags;
    if (!pointer.trackFlags) pointer.trackWindow = nullptr;
}

LPARAM ClientPointParam(HWND hwnd, POINT screen) {
    POINT origin = ClientOriginOnScreen(*Find(hwnd));
    return MAKELPARAM(static_cast<WORD>(screen.x - origin.x), static_cast<WORD>(screen.y - origin.y));
}

}  // namespace

namespace qx::win {

void TrackPointer(POINT screen) {
    PointerState& pointer = State().pointer;
    if (!pointer.trackWindow) return;
    if (HitTest(screen) != pointer.trackWindow) {
        HWND left = pointer.trackWindow;
        const bool wantsLeave = (pointer.trackFlags & TME_LEAVE) != 0;
        EndTracking(TME_HOVER | TME_LEAVE);
        if (wantsLeave) PostMessageW(left, WM_MOUSELEAVE, 0, 0);
    } else if ((pointer.trackFlags & TME_HOVER) && !Contains(pointer.hoverRect, screen)) {
        pointer.hoverDue = Now() + pointer.hoverTime;
        pointer.hoverRect = HoverRectAround(screen);
    }
}

void PostHoverIfDue() {
    PointerState& pointer = State().pointer;
    if (!(pointer.trackFlags & TME_HOVER) || Now() < pointer.hoverDue) return;
    HWND hwnd = pointer.trackWindow;
    EndTracking(TME_HOVER);
    if (Find(hwnd) && HitTest(pointer.position) == hwnd) {
        PostMessageW(hwnd, WM_MOUSEHOVER, pointer.buttons, ClientPointParam(hwnd, pointer.position));
    }
}

std::optional<std::uint64_t> HoverDeadline() {
    const PointerState& pointer = State().pointer;
    if (!(pointer.trackFlags & TME_HOVER)) return std::nullopt;
    return pointer.hoverDue;
}

}  // namespace qx::win

HWND SetCapture(HWND hwnd) {
    ThreadState& state = State();
    HWND previous = state.capture;
    if (!hwnd) {
        ReleaseCapture();
        return previous;
    }
    if (!Find(hwnd) || hwnd == previous) return previous;
    state.capture = hwnd;
    if (Find(previous)) SendMessageW(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return previous;
}

BOOL ReleaseCapture() {
    ThreadState& state = State();
    HWND previous = state.capture;
    state.capture = nullptr;
    if (Find(previous)) SendMessageW(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() { return State().capture; }

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT track) {
    // cbSize is not checked: callers written for 32-bit systems pass 16.
    if (!track) return FALSE;
    PointerState& pointer = State().pointer;
    if (track->dwFlags & TME_QUERY) {
        track->dwFlags = pointer.trackFlags;
        track->hwndTrack = pointer.trackWindow;
        track->dwHoverTime = pointer.hoverTime;
        return TRUE;
    }
    HWND hwnd = track->hwndTrack;
    if (!Find(hwnd)) return FALSE;
    const DWORD wanted = track->dwFlags & (TME_HOVER | TME_LEAVE);
    if (track->dwFlags & TME_CANCEL) {
        if (pointer.trackWindow == hwnd) EndTracking(wanted);
        return TRUE;
    }
    if (HitTest(pointer.position) != hwnd) {
        // The pointer is not over the window: it has left already.
        if (wanted & TME_LEAVE) PostMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
        return TRUE;
    }
    if (pointer.trackWindow != hwnd) {
        pointer.trackWindow = hwnd;
        pointer.trackFlags = 0;
    }
    pointer.trackFlags |= wanted;
    if (wanted & TME_HOVER) {
        pointer.hoverTime = track->dwHoverTime == HOVER_DEFAULT ? kDefaultHoverTime : track->dwHoverTime;
        pointer.hoverDue = Now() + pointer.hoverTime;
        pointer.hoverRect = HoverRectAround(pointer.position);
    }
    return TRUE;
}

BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT track) { return TrackMouseEvent(track); }

BOOL GetCursorPos(LPPOINT point) {
    if (!point) return FALSE;
    *point = State().pointer.position;
    return TRUE;
}

UINT GetDoubleClickTime() { return kDoubleClickTime; }

// The pointer's shape is the desktop's; the program's cursor requests are accepted and ignored.
HCURSOR LoadCursorW(HINSTANCE, LPCWSTR name) {
    return name ? HandleFromId<HCURSOR>(0x60000 + (reinterpret_cast<std::uintptr_t>(name) & 0xFFFF)) : nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
    static HCURSOR current = nullptr;
    HCURSOR previous = current;
    current = cursor;
    return previous;
}
