#include "platform/backend/gtk/GtkTopLevel.h"

#include "platform/backend/gtk/AlphaShape.h"
#include "platform/backend/gtk/GtkBackend.h"
#include "platform/backend/gtk/GtkDesktop.h"
#include "platform/backend/gtk/GtkInput.h"
#include "platform/base/Strings.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowRecords.h"

#include <algorithm>

namespace qx::backend::gtk {

namespace {

// How long the desktop may take to place a window as asked (milliseconds).
constexpr guint kSettleTime = 400;

LONG WidthOf(const RECT& r) { return r.right - r.left; }
LONG HeightOf(const RECT& r) { return r.bottom - r.top; }
bool HasArea(const RECT& r) { return WidthOf(r) > 0 && HeightOf(r) > 0; }

// The smallest X window is one pixel; an empty window is kept off the screen instead.
RECT AsOnScreen(const RECT& r) {
    return {r.left, r.top, r.left + std::max<LONG>(1, WidthOf(r)), r.top + std::max<LONG>(1, HeightOf(r))};
}

cairo_region_t* RegionOf(const std::vector<RECT>& rects) {
    cairo_region_t* region = cairo_region_create();
    for (const RECT& r : rects) {
        if (!HasArea(r)) continue;
        cairo_rectangle_int_t area{r.left, r.top, WidthOf(r), HeightOf(r)};
        cairo_region_union_rectangle(region, &area);
    }
    return region;
}

}  // namespace

GtkTopLevel::GtkTopLevel(GtkBackend& backend, HWND hwnd, RECT bounds, const std::u16string& title,
                         const NativeWindowStyle& style)
    : m_backend(backend), m_hwnd(hwnd), m_bounds(bounds), m_style(style) {
    m_window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    g_object_ref_sink(m_window);
    GtkWindow* window = GTK_WINDOW(m_window);
    gtk_window_set_decorated(window, FALSE);
    gtk_widget_set_app_paintable(m_window, TRUE);
    // With an alpha channel the same window looks right whether or not the screen composites.
    if (GdkVisual* rgba = gdk_screen_get_rgba_visual(gtk_widget_get_screen(m_window))) {
        gtk_widget_set_visual(m_window, rgba);
    }
    gtk_window_set_title(window, WideToUtf8(title).c_str());

    m_layout = gtk_layout_new(nullptr, nullptr);
    gtk_widget_set_app_paintable(m_layout, TRUE);
    gtk_container_add(GTK_CONTAINER(m_window), m_layout);
    gtk_widget_show(m_layout);

    const gint events = GDK_POINTER_MOTION_MASK | GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                        GDK_KEY_PRESS_MASK | GDK_KEY_RELEASE_MASK | GDK_ENTER_NOTIFY_MASK |
                        GDK_LEAVE_NOTIFY_MASK | GDK_STRUCTURE_MASK | GDK_FOCUS_CHANGE_MASK;
    gtk_widget_add_events(m_window, events);
    gtk_widget_add_events(m_layout, GDK_POINTER_MOTION_MASK | GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                                        GDK_ENTER_NOTIFY_MASK | GDK_LEAVE_NOTIFY_MASK);

    g_signal_connect(m_window, "draw", G_CALLBACK(OnDraw), this);
    g_signal_connect(m_window, "configure-event", G_CALLBACK(OnConfigure), this);
    g_signal_connect(m_window, "delete-event", G_CALLBACK(OnDelete), this);
    g_signal_connect(m_window, "window-state-event", G_CALLBACK(OnWindowState), this);
    g_signal_connect(m_window, "focus-in-event", G_CALLBACK(OnFocusIn), this);
    g_signal_connect(m_window, "focus-out-event", G_CALLBACK(OnFocusOut), this);
    g_signal_connect(m_window, "map-event", G_CALLBACK(OnMap), this);
    g_signal_connect(m_window, "button-press-event", G_CALLBACK(OnButtonPress), this);
    g_signal_connect(m_window, "button-release-event", G_CALLBACK(OnButtonRelease), this);
    g_signal_connect(m_window, "motion-notify-event", G_CALLBACK(OnMotion), this);
    g_signal_connect(m_window, "enter-notify-event", G_CALLBACK(OnCrossing), this);
    g_signal_connect(m_window, "leave-notify-event", G_CALLBACK(OnCrossing), this);
    g_signal_connect(m_window, "key-press-event", G_CALLBACK(OnKeyPress), this);
    g_signal_connect(m_window, "key-release-event", G_CALLBACK(OnKeyRelease), this);

    const RECT placed = AsOnScreen(bounds);
    gtk_window_set_default_size(window, WidthOf(placed), HeightOf(placed));
    gtk_window_move(window, placed.left, placed.top);
    ApplyStyle();
    RefreshShape();
}

GtkTopLevel::~GtkTopLevel() {
    if (m_settleTimer) g_source_remove(m_settleTimer);
    g_signal_handlers_disconnect_by_data(m_window, this);
    gtk_widget_destroy(m_window);
    g_object_unref(m_window);
}

// --- Commands from the window system ---

void GtkTopLevel::SetBounds(RECT bounds) {
    m_bounds = bounds;
    if (HasArea(bounds)) {
        m_requested = true;
        // The desktop may answer with the move and the resize apart, and with places in
        // between; what it settles on after a while is the answer.
        if (m_settleTimer) g_source_remove(m_settleTimer);
        m_settleTimer = g_timeout_add(kSettleTime, OnSettled, this);
        gtk_window_move(Window(), bounds.left, bounds.top);
        gtk_window_resize(Window(), WidthOf(bounds), HeightOf(bounds));
    }
    UpdateMapping();
}

void GtkTopLevel::SetTitle(const std::u16string& title) {
    gtk_window_set_title(Window(), WideToUtf8(title).c_str());
    // A window sets its icons (WM_SETICON) about when it sets its caption.
    ApplyIcon();
}

void GtkTopLevel::ApplyIcon() {
    const win::Window* record = win::FindWindowRecord(m_hwnd);
    HICON icon = record ? (record->bigIcon ? record->bigIcon : record->smallIcon) : nullptr;
    if (icon == m_icon) return;
    m_icon = icon;
    gfx::SurfacePtr pixels = icon ? win::SurfaceOfIcon(icon) : nullptr;
    GdkPixbuf* pixbuf = pixels && pixels->width() > 0
                            ? gdk_pixbuf_get_from_surface(pixels->cairo(), 0, 0, pixels->width(), pixels->height())
                            : nullptr;
    gtk_window_set_icon(Window(), pixbuf);
    if (pixbuf) g_object_unref(pixbuf);
}

void GtkTopLevel::SetStyle(const NativeWindowStyle& style) {
    m_style = style;
    ApplyStyle();
    RefreshShape();
    gtk_widget_queue_draw(m_window);
}

void GtkTopLevel::ApplyStyle() {
    GtkWindow* window = Window();
    gtk_window_set_skip_taskbar_hint(window, !m_style.taskbarButton);
    gtk_window_set_skip_pager_hint(window, !m_style.taskbarButton);
    gtk_window_set_accept_focus(window, !m_style.noActivate);
    gtk_window_set_focus_on_map(window, !m_style.noActivate);
    // An owned window without a taskbar entry of its own belongs to its owner on the desktop:
    // it stays above it. One with its own entry (the program's main window) stands alone.
    GtkTopLevel* owner = m_style.owner && !m_style.taskbarButton ? m_backend.FindTopLevel(m_style.owner) : nullptr;
    gtk_window_set_transient_for(window, owner ? owner->Window() : nullptr);
}

void GtkTopLevel::ApplyMinimumSize() {
    // The window manager keeps edge drags within the bounds the window asks for; the window
    // system checks every size it is told all the same.
    MINMAXINFO info{};
    info.ptMinTrackSize = {1, 1};
    const RECT screen = m_backend.ScreenRect();
    info.ptMaxTrackSize = {WidthOf(screen), HeightOf(screen)};
    SendMessageW(m_hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    GdkGeometry hints{};
    hints.min_width = std::max<LONG>(1, info.ptMinTrackSize.x);
    hints.min_height = std::max<LONG>(1, info.ptMinTrackSize.y);
    gtk_window_set_geometry_hints(Window(), nullptr, &hints, GDK_HINT_MIN_SIZE);
}

void GtkTopLevel::Show(bool activate) {
    if (!m_shown) ApplyMinimumSize();
    ApplyIcon();
    const bool wasMinimized = m_minimized;
    m_shown = true;
    m_minimized = false;
    ApplyStyle();
    if (wasMinimized && WindowManagerRuns()) gtk_window_deiconify(Window());
    UpdateMapping();
    if (activate) Focus();
}

void GtkTopLevel::Hide() {
    m_shown = false;
    m_focusOnMap = false;
    UpdateMapping();
}

void GtkTopLevel::Minimize() {
    if (m_minimized) return;
    m_minimized = true;
    // Without a window manager nobody keeps an icon: the window just leaves the screen.
    if (WindowManagerRuns()) gtk_window_iconify(Window());
    else UpdateMapping();
}

void GtkTopLevel::Raise(bool activate) {
    if (GdkWindow* window = gtk_widget_get_window(m_window); window && gtk_widget_get_mapped(m_window)) {
        gdk_window_raise(window);
    }
    m_backend.RaiseOwnedWindows(m_hwnd);
    if (activate) Focus();
}

void GtkTopLevel::Focus() {
    if (m_style.noActivate) return;
    if (!gtk_widget_get_mapped(m_window)) {
        m_focusOnMap = true;
        return;
    }
    if (gtk_window_is_active(Window())) return;
    m_backend.Input().ExpectFocus(*this);
    gtk_window_present_with_time(Window(), m_backend.Input().LastEventTime());
    // Presenting raises the window; what it owns stays above it.
    m_backend.RaiseOwnedWindows(m_hwnd);
}

void GtkTopLevel::UpdateMapping() {
    const bool minimizedAway = m_minimized && !WindowManagerRuns();
    const bool wanted = m_shown && !minimizedAway && HasArea(m_bounds);
    if (wanted == gtk_widget_get_visible(m_window)) return;
    if (wanted) {
        // A window shown again goes where the window system has it, not where it was.
        gtk_window_move(Window(), m_bounds.left, m_bounds.top);
        gtk_window_resize(Window(), WidthOf(m_bounds), HeightOf(m_bounds));
        gtk_widget_show(m_window);
    } else {
        gtk_widget_hide(m_window);
    }
}

void GtkTopLevel::Present(const gfx::Surface& image) {
    auto copy = std::make_shared<gfx::Surface>(image.width(), image.height());
    cairo_t* cr = cairo_create(copy->cairo());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, image.cairo(), 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    m_image = std::move(copy);
    m_opaqueImage.reset();
    if (m_style.layered) m_visibleRects = VisibleRegion(*m_image);
    RefreshShape();
    gtk_widget_queue_draw(m_window);
}

void GtkTopLevel::SetChildRects(std::vector<RECT> rects) {
    if (rects == m_childRects) return;
    m_childRects = std::move(rects);
    RefreshShape();
}

void GtkTopLevel::RefreshAfterCompositingChange() {
    RefreshShape();
    gtk_widget_queue_draw(m_window);
}

void GtkTopLevel::RefreshShape() {
    if (!m_style.layered) {
        m_shapeApplied = false;
        gtk_widget_input_shape_combine_region(m_window, nullptr);
        gtk_widget_shape_combine_region(m_window, nullptr);
        return;
    }
    std::vector<RECT> rects = m_image ? m_visibleRects : std::vector<RECT>{};
    rects.insert(rects.end(), m_childRects.begin(), m_childRects.end());
    const bool composited = ScreenComposites();
    // Most presents change pixels, not the shape: the desktop is told only of new shapes.
    if (m_shapeApplied && rects == m_shapeRects && composited == m_shapeComposited) return;
    m_shapeApplied = true;
    m_shapeRects = rects;
    m_shapeComposited = composited;
    cairo_region_t* region = RegionOf(rects);
    gtk_widget_input_shape_combine_region(m_window, region);
    gtk_widget_shape_combine_region(m_window, composited ? nullptr : region);
    cairo_region_destroy(region);
    gtk_widget_queue_draw(m_window);
}

// --- Painting ---

const gfx::Surface* GtkTopLevel::ImageToShow() {
    if (!m_image) return nullptr;
    if (ScreenComposites()) return m_image.get();
    if (!m_opaqueImage) m_opaqueImage = WithoutTranslucency(*m_image);
    return m_opaqueImage.get();
}

// Without compositing the screen cannot show what lies under a transparent pixel inside the
// window's shape (under a transparent native child, say). What lies there is normally the
// window's owner: paint the owners' images beneath, as the screen would show them.
void GtkTopLevel::PaintBackdrop(cairo_t* cr) const {
    std::vector<GtkTopLevel*> owners;
    GtkTopLevel* top = m_backend.FindTopLevel(m_style.owner);
    while (top && std::find(owners.begin(), owners.end(), top) == owners.end()) {
        owners.push_back(top);
        top = m_backend.FindTopLevel(top->m_style.owner);
    }
    for (auto it = owners.rbegin(); it != owners.rend(); ++it) {
        GtkTopLevel* owner = *it;
        if (!owner->IsShown()) continue;
        const gfx::Surface* image = owner->ImageToShow();
        if (!image) continue;
        cairo_set_source_surface(cr, image->cairo(), owner->m_bounds.left - m_bounds.left,
                                 owner->m_bounds.top - m_bounds.top);
        cairo_paint(cr);
    }
}

gboolean GtkTopLevel::OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self) {
    auto* top = static_cast<GtkTopLevel*>(self);
    if (!gtk_cairo_should_draw_window(cr, gtk_widget_get_window(widget))) return FALSE;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(cr, 0, 0, 0, 0);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    if (!ScreenComposites()) top->PaintBackdrop(cr);
    if (const gfx::Surface* image = top->ImageToShow()) {
        cairo_set_source_surface(cr, image->cairo(), 0, 0);
        cairo_paint(cr);
    }
    cairo_restore(cr);
    return FALSE;  // the native children draw over it
}

// --- Events from the desktop ---

gboolean GtkTopLevel::OnConfigure(GtkWidget*, GdkEventConfigure* event, gpointer self) {
    auto* top = static_cast<GtkTopLevel*>(self);
    top->m_reported = {event->x, event->y, event->x + event->width, event->y + event->height};
    if (!gtk_widget_get_mapped(top->m_window) || !HasArea(top->m_bounds)) return FALSE;
    if (top->m_requested) {
        // The answer to what the window system asked: no news. Anything else meanwhile is a
        // step on the way.
        if (top->m_reported == top->m_bounds) top->EndRequest();
        return FALSE;
    }
    top->ReportPlace();
    return FALSE;
}

void GtkTopLevel::ObservePlace(RECT place) {
    m_reported = place;
    if (!gtk_widget_get_mapped(m_window) || !HasArea(m_bounds) || m_requested) return;
    ReportPlace();
}

void GtkTopLevel::EndRequest() {
    m_requested = false;
    if (m_settleTimer) g_source_remove(m_settleTimer);
    m_settleTimer = 0;
}

gboolean GtkTopLevel::OnSettled(gpointer self) {
    auto* top = static_cast<GtkTopLevel*>(self);
    top->m_settleTimer = 0;
    top->m_requested = false;
    // The desktop put the window elsewhere than asked (a window manager keeping it on the
    // screen, say): the window system hears where it is.
    if (gtk_widget_get_mapped(top->m_window) && HasArea(top->m_bounds) && HasArea(top->m_reported)) top->ReportPlace();
    return G_SOURCE_REMOVE;
}

void GtkTopLevel::ReportPlace() {
    if (m_reported == m_bounds) return;
    m_bounds = m_reported;
    if (WindowSystemDelegate* delegate = m_backend.Delegate()) delegate->OnConfigure(m_hwnd, m_reported);
}

gboolean GtkTopLevel::OnDelete(GtkWidget*, GdkEvent*, gpointer self) {
    auto* top = static_cast<GtkTopLevel*>(self);
    // The window system decides; the window stays until it is destroyed through it.
    if (WindowSystemDelegate* delegate = top->m_backend.Delegate()) delegate->OnCloseRequest(top->m_hwnd);
    return TRUE;
}

gboolean GtkTopLevel::OnWindowState(GtkWidget*, GdkEventWindowState* event, gpointer self) {
    auto* top = static_cast<GtkTopLevel*>(self);
    if (!(event->changed_mask & GDK_WINDOW_STATE_ICONIFIED)) return FALSE;
    const bool iconified = (event->new_window_state & GDK_WINDOW_STATE_ICONIFIED) != 0;
    if (iconified == top->m_minimized || !top->m_shown) return FALSE;
    // The desktop minimised or restored the window (its taskbar entry, a shortcut): the window
    // system decides what that means for the program.
    top->m_minimized = iconified;
    if (WindowSystemDelegate* delegate = top->m_backend.Delegate()) {
        delegate->OnShowRequest(top->m_hwnd, iconified ? SW_MINIMIZE : SW_RESTORE);
    }
    return FALSE;
}

gboolean GtkTopLevel::OnFocusIn(GtkWidget*, GdkEventFocus*, gpointer self) {
    auto* top = static_cast<GtkTopLevel*>(self);
    // Only the desktop's own activations are news: those the window system asked for are not.
    if (top->m_backend.Input().FocusIn(*top)) {
        if (WindowSystemDelegate* delegate = top->m_backend.Delegate()) delegate->OnActivated(top->m_hwnd);
    }
    return FALSE;
}

gboolean GtkTopLevel::OnFocusOut(GtkWidget*, GdkEventFocus*, gpointer self) {
    auto* top = static_cast<GtkTopLevel*>(self);
    top->m_backend.Input().FocusOut(*top);
    return FALSE;
}

gboolean GtkTopLevel::OnMap(GtkWidget*, GdkEvent*, gpointer self) {
    auto* top = static_cast<GtkTopLevel*>(self);
    top->RefreshShape();
    top->m_backend.RaiseOwnedWindows(top->m_hwnd);
    if (top->m_focusOnMap) {
        top->m_focusOnMap = false;
        top->Focus();
    }
    return FALSE;
}

gboolean GtkTopLevel::OnButtonPress(GtkWidget*, GdkEventButton* event, gpointer self) {
    auto* top = static_cast<GtkTopLevel*>(self);
    return top->m_backend.Input().ButtonPress(*top, event);
}

gboolean GtkTopLevel::OnButtonRelease(GtkWidget*, GdkEventButton* event, gpointer self) {
    auto* top = static_cast<GtkTopLevel*>(self);
    return top->m_backend.Input().ButtonRelease(*top, event);
}

gboolean GtkTopLevel::OnMotion(GtkWidget*, GdkEventMotion* event, gpointer self) {
    auto* top = static_cast<GtkTopLevel*>(self);
    return top->m_backend.Input().Motion(*top, event);
}

gboolean GtkTopLevel::OnCrossing(GtkWidget*, GdkEventCrossing* event, gpointer self) {
    auto* top = static_cast<GtkTopLevel*>(self);
    return top->m_backend.Input().Crossing(*top, event);
}

gboolean GtkTopLevel::OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer self) {
    auto* top = static_cast<GtkTopLevel*>(self);
    return top->m_backend.Input().KeyPress(*top, event);
}

gboolean GtkTopLevel::OnKeyRelease(GtkWidget*, GdkEventKey* event, gpointer self) {
    auto* top = static_cast<GtkTopLevel*>(self);
    return top->m_backend.Input().KeyRelease(*top, event);
}

}  // namespace qx::backend::gtk
