#pragma once
// A window manager's interactive move as the window system follows it. Managers tell the
// client where its window went only when the move ends; meanwhile the place is read from the
// X server every frame, so the windows that go with the moving one follow it all the way. It
// ends when the left button is up.

#include "platform/base/WinTypes.h"

#include <gtk/gtk.h>

namespace qx::backend::gtk {

class GtkBackend;

class GtkManagedMove {
public:
    GtkManagedMove(GtkBackend& backend, HWND hwnd);
    ~GtkManagedMove();
    GtkManagedMove(const GtkManagedMove&) = delete;
    GtkManagedMove& operator=(const GtkManagedMove&) = delete;

    HWND Handle() const { return m_hwnd; }

private:
    static gboolean OnTick(gpointer self);

    GtkBackend& m_backend;
    HWND m_hwnd;
    guint m_timer = 0;
};

}  // namespace qx::backend::gtk
