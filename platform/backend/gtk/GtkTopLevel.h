#pragma once
// One top-level window of the window system on the X desktop: an undecorated GtkWindow that
// shows the window's last presented image, with a GtkLayout over it for native children.
// Where the screen composites, the window has an alpha channel; where it does not, a layered
// window gets a bounding shape from the visible pixels of its image (and its native children),
// and every layered window lets the mouse through where it shows nothing.

#include "platform/backend/Backend.h"
#include "platform/gfx/Surface.h"

#include <gtk/gtk.h>

#include <string>
#include <vector>

namespace qx::backend::gtk {

class GtkBackend;

class GtkTopLevel {
public:
    GtkTopLevel(GtkBackend& backend, HWND hwnd, RECT bounds, const std::u16string& title,
                const NativeWindowStyle& style);
    ~GtkTopLevel();
    GtkTopLevel(const GtkTopLevel&) = delete;
    GtkTopLevel& operator=(const GtkTopLevel&) = delete;

    HWND Handle() const { return m_hwnd; }
    GtkWindow* Window() const { return GTK_WINDOW(m_window); }
    // The container native children are put in, in window pixels.
    GtkWidget* Layout() const { return m_layout; }
    RECT Bounds() const { return m_bounds; }
    const NativeWindowStyle& Style() const { return m_style; }
    // Shown by the window system and not minimised.
    bool IsShown() const { return m_shown && !m_minimized; }

    void SetBounds(RECT bounds);
    void SetTitle(const std::u16string& title);
    void SetStyle(const NativeWindowStyle& style);
    void Show(bool activate);
    void Hide();
    void Minimize();
    void Raise(bool activate);
    void Present(const gfx::Surface& image);
    // The visible native children's rectangles (window pixels): they take the mouse and show
    // even where the image is transparent.
    void SetChildRects(std::vector<RECT> rects);
    // The screen began or stopped compositing.
    void RefreshAfterCompositingChange();
    // Where the window was seen on the screen outside a configure event (during a window
    // manager's move): the window system hears of it as of a configure event.
    void ObservePlace(RECT place);
    // Gives the window the keyboard once it is on the screen.
    void Focus();

private:
    void ApplyStyle();
    void ApplyMinimumSize();
    void ApplyIcon();
    void UpdateMapping();
    void RefreshShape();
    void PaintBackdrop(cairo_t* cr) const;
    const gfx::Surface* ImageToShow();
    void EndRequest();
    void ReportPlace();
    static gboolean OnSettled(gpointer self);

    static gboolean OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self);
    static gboolean OnConfigure(GtkWidget* widget, GdkEventConfigure* event, gpointer self);
    static gboolean OnDelete(GtkWidget* widget, GdkEvent* event, gpointer self);
    static gboolean OnWindowState(GtkWidget* widget, GdkEventWindowState* event, gpointer self);
    static gboolean OnFocusIn(GtkWidget* widget, GdkEventFocus* event, gpointer self);
    static gboolean OnFocusOut(GtkWidget* widget, GdkEventFocus* event, gpointer self);
    static gboolean OnMap(GtkWidget* widget, GdkEvent* event, gpointer self);
    static gboolean OnButtonPress(GtkWidget* widget, GdkEventButton* event, gpointer self);
    static gboolean OnButtonRelease(GtkWidget* widget, GdkEventButton* event, gpointer self);
    static gboolean OnMotion(GtkWidget* widget, GdkEventMotion* event, gpointer self);
    static gboolean OnCrossing(GtkWidget* widget, GdkEventCrossing* event, gpointer self);
    static gboolean OnKeyPress(GtkWidget* widget, GdkEventKey* event, gpointer self);
    static gboolean OnKeyRelease(GtkWidget* widget, GdkEventKey* event, gpointer self);

    GtkBackend& m_backend;
    HWND m_hwnd;
    GtkWidget* m_window = nullptr;
    GtkWidget* m_layout = nullptr;
    RECT m_bounds;
    NativeWindowStyle m_style;
    bool m_shown = false;
    bool m_minimized = false;
    bool m_focusOnMap = false;
    // A place was asked of the desktop and it has not answered with it yet (nor settled
    // elsewhere); the place the desktop reported last.
    bool m_requested = false;
    guint m_settleTimer = 0;
    RECT m_reported{};

    gfx::SurfacePtr m_image;
    gfx::SurfacePtr m_opaqueImage;  // m_image without translucency, made when first needed
    std::vector<RECT> m_visibleRects;
    std::vector<RECT> m_childRects;
    // What the desktop was told of the shape last.
    bool m_shapeApplied = false;
    bool m_shapeComposited = false;
    std::vector<RECT> m_shapeRects;
    HICON m_icon = nullptr;
};

}  // namespace qx::backend::gtk
