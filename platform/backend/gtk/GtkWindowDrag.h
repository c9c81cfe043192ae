#pragma once
// An interactive move without a window manager: the pointer is grabbed, each motion moves the
// window by what the pointer moved since the press, and the release ends it. The window system
// hears each new place (OnConfigure) and neither the motion nor the release.

#include "platform/base/WinTypes.h"

#include <gtk/gtk.h>

namespace qx::backend::gtk {

class GtkBackend;

class GtkWindowDrag {
public:
    // Starts moving hwnd's window from the pointer at start; false when the pointer cannot be
    // grabbed (nothing moves then).
    GtkWindowDrag(GtkBackend& backend, HWND hwnd, POINT start, GdkEvent* trigger);
    ~GtkWindowDrag();
    GtkWindowDrag(const GtkWindowDrag&) = delete;
    GtkWindowDrag& operator=(const GtkWindowDrag&) = delete;

    bool IsActive() const { return m_active; }
    HWND Handle() const { return m_hwnd; }
    void Follow(POINT pointer);

private:
    GtkBackend& m_backend;
    HWND m_hwnd;
    POINT m_start;
    RECT m_startBounds{};
    GdkSeat* m_seat = nullptr;
    bool m_active = false;
};

}  // namespace qx::backend::gtk
