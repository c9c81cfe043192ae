#include "platform/backend/gtk/web/WebKitFindBar.h"

#include <initializer_list>

namespace qx::web {
namespace {

constexpr guint kFindOptions = WEBKIT_FIND_OPTIONS_CASE_INSENSITIVE | WEBKIT_FIND_OPTIONS_WRAP_AROUND;

GtkWidget* IconButton(const char* icon, const char* tooltip) {
    GtkWidget* button = gtk_button_new_from_icon_name(icon, GTK_ICON_SIZE_BUTTON);
    gtk_widget_set_tooltip_text(button, tooltip);
    gtk_widget_set_can_focus(button, FALSE);
    return button;
}

}  // namespace

WebKitFindBar::WebKitFindBar() {
    m_pBar = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 2);
    g_object_ref_sink(m_pBar);
    gtk_widget_set_halign(m_pBar, GTK_ALIGN_END);
    gtk_widget_set_valign(m_pBar, GTK_ALIGN_START);
    gtk_widget_set_margin_top(m_pBar, 4);
    gtk_widget_set_margin_end(m_pBar, 16);
    gtk_style_context_add_class(gtk_widget_get_style_context(m_pBar), "linked");
    // Showing the whole window must not show the bar; only Show does.
    gtk_widget_set_no_show_all(m_pBar, TRUE);

    m_pEntry = gtk_search_entry_new();
    gtk_entry_set_placeholder_text(GTK_ENTRY(m_pEntry), "查找");
    GtkWidget* previous = IconButton("go-up-symbolic", "上一个");
    GtkWidget* next = IconButton("go-down-symbolic", "下一个");
    GtkWidget* close = IconButton("window-close-symbolic", "关闭");
    for (GtkWidget* child : {m_pEntry, previous, next, close}) {
        gtk_box_pack_start(GTK_BOX(m_pBar), child, FALSE, FALSE, 0);
        gtk_widget_show(child);
    }

    g_signal_connect(m_pEntry, "search-changed", G_CALLBACK(OnSearchChanged), this);
    g_signal_connect(m_pEntry, "stop-search", G_CALLBACK(OnStopSearch), this);
    g_signal_connect(m_pEntry, "key-press-event", G_CALLBACK(OnKeyPress), this);
    g_signal_connect(previous, "clicked", G_CALLBACK(OnPreviousClicked), this);
    g_signal_connect(next, "clicked", G_CALLBACK(OnNextClicked), this);
    g_signal_connect(close, "clicked", G_CALLBACK(OnCloseClicked), this);
}

WebKitFindBar::~WebKitFindBar() {
    SetView(nullptr);
    GList* children = gtk_container_get_children(GTK_CONTAINER(m_pBar));
    for (GList* child = children; child; child = child->next) g_signal_handlers_disconnect_by_data(child->data, this);
    g_list_free(children);
    g_object_unref(m_pBar);
}

void WebKitFindBar::SetView(WebKitWebView* view) {
    if (m_pView) {
        g_signal_handlers_disconnect_by_data(webkit_web_view_get_find_controller(m_pView), this);
        g_object_remove_weak_pointer(G_OBJECT(m_pView), reinterpret_cast<gpointer*>(&m_pView));
    }
    m_pView = view;
    if (m_pView) {
        g_object_add_weak_pointer(G_OBJECT(m_pView), reinterpret_cast<gpointer*>(&m_pView));
        WebKitFindController* controller = webkit_web_view_get_find_controller(m_pView);
        g_signal_connect(controller, "found-text", G_CALLBACK(OnFound), this);
        g_signal_connect(controller, "failed-to-find-text", G_CALLBACK(OnNotFound), this);
    }
}

WebKitFindController* WebKitFindBar::Controller() const {
    return m_pView ? webkit_web_view_get_find_controller(m_pView) : nullptr;
}

void WebKitFindBar::Show() {
    gtk_widget_show(m_pBar);
    gtk_widget_grab_focus(m_pEntry);
    Search();
}

void WebKitFindBar::Hide() {
    if (WebKitFindController* controller = Controller()) webkit_find_controller_search_finish(controller);
    MarkNotFound(false);
    gtk_widget_hide(m_pBar);
    if (m_pView) gtk_widget_grab_focus(GTK_WIDGET(m_pView));
}

bool WebKitFindBar::IsShown() const { return gtk_widget_get_visible(m_pBar); }

void WebKitFindBar::Search() {
    WebKitFindController* controller = Controller();
    if (!controller) return;
    const gchar* text = gtk_entry_get_text(GTK_ENTRY(m_pEntry));
    if (!text || !*text) {
        webkit_find_controller_search_finish(controller);
        MarkNotFound(false);
        return;
    }
    webkit_find_controller_search(controller, text, kFindOptions, G_MAXUINT);
}

void WebKitFindBar::FindNext() {
    WebKitFindController* controller = Controller();
    if (!controller) return;
    // A new text is a new search; the same text moves on to its next match.
    const gchar* text = gtk_entry_get_text(GTK_ENTRY(m_pEntry));
    const gchar* searched = webkit_find_controller_get_search_text(controller);
    if (!searched || g_strcmp0(searched, text) != 0) {
        Search();
    } else {
        webkit_find_controller_search_next(controller);
    }
}

void WebKitFindBar::FindPrevious() {
    if (WebKitFindController* controller = Controller()) webkit_find_controller_search_previous(controller);
}

void WebKitFindBar::MarkNotFound(bool notFound) {
    GtkStyleContext* style = gtk_widget_get_style_context(m_pEntry);
    if (notFound) {
        gtk_style_context_add_class(style, GTK_STYLE_CLASS_ERROR);
    } else {
        gtk_style_context_remove_class(style, GTK_STYLE_CLASS_ERROR);
    }
}

void WebKitFindBar::OnSearchChanged(GtkSearchEntry*, gpointer self) { static_cast<WebKitFindBar*>(self)->Search(); }
void WebKitFindBar::OnStopSearch(GtkSearchEntry*, gpointer self) { static_cast<WebKitFindBar*>(self)->Hide(); }
void WebKitFindBar::OnNextClicked(GtkButton*, gpointer self) { static_cast<WebKitFindBar*>(self)->FindNext(); }
void WebKitFindBar::OnPreviousClicked(GtkButton*, gpointer self) { static_cast<WebKitFindBar*>(self)->FindPrevious(); }
void WebKitFindBar::OnCloseClicked(GtkButton*, gpointer self) { static_cast<WebKitFindBar*>(self)->Hide(); }

gboolean WebKitFindBar::OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer self) {
    auto* bar = static_cast<WebKitFindBar*>(self);
    if (event->keyval != GDK_KEY_Return && event->keyval != GDK_KEY_KP_Enter) return FALSE;
    if (event->state & GDK_SHIFT_MASK) {
        bar->FindPrevious();
    } else {
        bar->FindNext();
    }
    return TRUE;
}

void WebKitFindBar::OnFound(WebKitFindController*, guint, gpointer self) {
    static_cast<WebKitFindBar*>(self)->MarkNotFound(false);
}

void WebKitFindBar::OnNotFound(WebKitFindController*, gpointer self) {
    static_cast<WebKitFindBar*>(self)->MarkNotFound(true);
}

}  // namespace qx::web
