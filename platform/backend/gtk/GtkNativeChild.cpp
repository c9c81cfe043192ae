#include "platform/backend/gtk/GtkNativeChild.h"

#include "platform/backend/gtk/GtkTopLevel.h"

#include <algorithm>

namespace qx::backend::gtk {

GtkNativeChild::GtkNativeChild(HWND hwnd, NativeChildKind kind, GtkWidget* widget)
    : m_hwnd(hwnd), m_kind(kind), m_widget(widget) {
    g_object_ref_sink(m_widget);
}

GtkNativeChild::~GtkNativeChild() {
    Place(nullptr, {}, false);
    gtk_widget_destroy(m_widget);
    g_object_unref(m_widget);
}

void GtkNativeChild::Place(GtkTopLevel* host, RECT rect, bool visible) {
    GtkWidget* layout = host ? host->Layout() : nullptr;
    GtkWidget* parent = gtk_widget_get_parent(m_widget);
    if (parent && parent != layout) gtk_container_remove(GTK_CONTAINER(parent), m_widget);
    m_host = host;
    m_rect = rect;
    m_visible = visible && host;
    if (!layout) return;
    const int width = std::max<LONG>(0, rect.right - rect.left);
    const int height = std::max<LONG>(0, rect.bottom - rect.top);
    gtk_widget_set_size_request(m_widget, width, height);
    if (gtk_widget_get_parent(m_widget) != layout) {
        gtk_layout_put(GTK_LAYOUT(layout), m_widget, rect.left, rect.top);
    } else {
        gtk_layout_move(GTK_LAYOUT(layout), m_widget, rect.left, rect.top);
    }
    gtk_widget_set_visible(m_widget, m_visible && width > 0 && height > 0);
}

}  // namespace qx::backend::gtk
