#include "platform/backend/gtk/GtkManagedMove.h"

#include "platform/backend/gtk/GtkBackend.h"
#include "platform/backend/gtk/GtkTopLevel.h"

namespace qx::backend::gtk {

namespace {

// About one frame (milliseconds).
constexpr guint kTickTime = 16;

}  // namespace

GtkManagedMove::GtkManagedMove(GtkBackend& backend, HWND hwnd) : m_backend(backend), m_hwnd(hwnd) {
    m_timer = g_timeout_add(kTickTime, OnTick, this);
}

GtkManagedMove::~GtkManagedMove() {
    if (m_timer) g_source_remove(m_timer);
}

gboolean GtkManagedMove::OnTick(gpointer self) {
    auto* move = static_cast<GtkManagedMove*>(self);
    GtkTopLevel* top = move->m_backend.FindTopLevel(move->m_hwnd);
    GdkWindow* window = top ? gtk_widget_get_window(GTK_WIDGET(top->Window())) : nullptr;
    if (!window || !gtk_widget_get_mapped(GTK_WIDGET(top->Window()))) {
        move->m_timer = 0;
        return G_SOURCE_REMOVE;
    }
    GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_window_get_display(window)));
    GdkModifierType mask{};
    gdk_window_get_device_position(gdk_screen_get_root_window(gdk_window_get_screen(window)), pointer, nullptr, nullptr, &mask);
    gint x = 0;
    gint y = 0;
    gdk_window_get_origin(window, &x, &y);
    const RECT bounds = top->Bounds();
    top->ObservePlace({x, y, x + (bounds.right - bounds.left), y + (bounds.bottom - bounds.top)});
    if (mask & GDK_BUTTON1_MASK) return G_SOURCE_CONTINUE;
    move->m_timer = 0;
    return G_SOURCE_REMOVE;
}

}  // namespace qx::backend::gtk
