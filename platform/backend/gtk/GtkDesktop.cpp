#include "platform/backend/gtk/GtkDesktop.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

namespace qx::backend::gtk {

namespace {

GdkMonitor* PrimaryMonitor() {
    GdkDisplay* display = gdk_display_get_default();
    if (!display) return nullptr;
    GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
    // Xvfb and some desktops name no primary monitor: the first one serves.
    if (!monitor && gdk_display_get_n_monitors(display) > 0) monitor = gdk_display_get_monitor(display, 0);
    return monitor;
}

RECT FromGdk(const GdkRectangle& r) { return {r.x, r.y, r.x + r.width, r.y + r.height}; }

}  // namespace

RECT PrimaryMonitorRect() {
    GdkMonitor* monitor = PrimaryMonitor();
    if (!monitor) return {0, 0, 1920, 1080};
    GdkRectangle area;
    gdk_monitor_get_geometry(monitor, &area);
    return FromGdk(area);
}

RECT PrimaryWorkArea() {
    GdkMonitor* monitor = PrimaryMonitor();
    if (!monitor) return {0, 0, 1920, 1040};
    GdkRectangle area;
    gdk_monitor_get_workarea(monitor, &area);
    if (area.width <= 0 || area.height <= 0) gdk_monitor_get_geometry(monitor, &area);
    return FromGdk(area);
}

bool WindowManagerRuns() {
    GdkScreen* screen = gdk_screen_get_default();
    if (!screen || !GDK_IS_X11_SCREEN(screen)) return false;
    return gdk_x11_screen_supports_net_wm_hint(screen, gdk_atom_intern_static_string("_NET_WM_MOVERESIZE"));
}

bool ScreenComposites() {
    GdkScreen* screen = gdk_screen_get_default();
    return screen && gdk_screen_is_composited(screen);
}

}  // namespace qx::backend::gtk
