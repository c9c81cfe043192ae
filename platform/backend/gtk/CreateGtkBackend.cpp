#include "platform/backend/gtk/CreateGtkBackend.h"

#include "platform/backend/gtk/GtkBackend.h"

#include <gdk/gdkx.h>

namespace qx::backend {

std::unique_ptr<Backend> CreateGtkBackend(int& argc, char**& argv) {
    // Window shapes, moves and stacking are X11's; under a Wayland session this goes through
    // the X server of the session.
    if (!gdk_display_get_default()) gdk_set_allowed_backends("x11");
    if (!gtk_init_check(&argc, &argv)) return nullptr;
    GdkDisplay* display = gdk_display_get_default();
    if (!display || !GDK_IS_X11_DISPLAY(display)) return nullptr;
    // Window images are in screen pixels: one image pixel is one screen pixel.
    gdk_x11_display_set_window_scale(display, 1);
    return std::make_unique<gtk::GtkBackend>();
}

}  // namespace qx::backend
