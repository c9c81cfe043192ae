#include "platform/backend/gtk/GtkWindowDrag.h"

#include "platform/backend/gtk/GtkBackend.h"
#include "platform/backend/gtk/GtkTopLevel.h"

namespace qx::backend::gtk {

GtkWindowDrag::GtkWindowDrag(GtkBackend& backend, HWND hwnd, POINT start, GdkEvent* trigger)
    : m_backend(backend), m_hwnd(hwnd), m_start(start) {
    GtkTopLevel* top = backend.FindTopLevel(hwnd);
    GdkWindow* window = top ? gtk_widget_get_window(GTK_WIDGET(top->Window())) : nullptr;
    if (!window || !gtk_widget_get_mapped(GTK_WIDGET(top->Window()))) return;
    m_startBounds = top->Bounds();
    m_seat = gdk_display_get_default_seat(gdk_window_get_display(window));
    // The motion and the release come to the moving window wherever the pointer goes.
    const GdkGrabStatus status =
        gdk_seat_grab(m_seat, window, GDK_SEAT_CAPABILITY_ALL_POINTING, FALSE, nullptr, trigger, nullptr, nullptr);
    m_active = status == GDK_GRAB_SUCCESS;
}

GtkWindowDrag::~GtkWindowDrag() {
    if (m_active) gdk_seat_ungrab(m_seat);
}

void GtkWindowDrag::Follow(POINT pointer) {
    GtkTopLevel* top = m_backend.FindTopLevel(m_hwnd);
    if (!m_active || !top) return;
    const LONG dx = pointer.x - m_start.x;
    const LONG dy = pointer.y - m_start.y;
    const RECT bounds{m_startBounds.left + dx, m_startBounds.top + dy, m_startBounds.right + dx, m_startBounds.bottom + dy};
    if (bounds == top->Bounds()) return;
    top->SetBounds(bounds);
    if (WindowSystemDelegate* delegate = m_backend.Delegate()) delegate->OnConfigure(m_hwnd, bounds);
}

}  // namespace qx::backend::gtk
