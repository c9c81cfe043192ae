#pragma once
// A widget of the desktop's own over a child window: it lives in the layout of the top-level
// window the child window belongs to, at the child window's rectangle, shown while the child
// window is shown. Page holders are plain: a web page's widget goes inside (PageHolder).

#include "platform/backend/Backend.h"

#include <gtk/gtk.h>

namespace qx::backend::gtk {

class GtkTopLevel;

class GtkNativeChild {
public:
    // Takes the floating reference of widget.
    GtkNativeChild(HWND hwnd, NativeChildKind kind, GtkWidget* widget);
    virtual ~GtkNativeChild();
    GtkNativeChild(const GtkNativeChild&) = delete;
    GtkNativeChild& operator=(const GtkNativeChild&) = delete;

    HWND Handle() const { return m_hwnd; }
    NativeChildKind Kind() const { return m_kind; }
    GtkWidget* Widget() const { return m_widget; }
    GtkTopLevel* Host() const { return m_host; }
    RECT Rect() const { return m_rect; }
    bool IsVisible() const { return m_visible; }

    // Puts the widget in host's layout at rect (window pixels), shown or hidden; a null host
    // takes it out of every window.
    void Place(GtkTopLevel* host, RECT rect, bool visible);

private:
    HWND m_hwnd;
    NativeChildKind m_kind;
    GtkWidget* m_widget;
    GtkTopLevel* m_host = nullptr;
    RECT m_rect{};
    bool m_visible = false;
};

}  // namespace qx::backend::gtk
