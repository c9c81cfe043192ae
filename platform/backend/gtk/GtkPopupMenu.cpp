#include "platform/backend/gtk/GtkPopupMenu.h"

#include "platform/base/Strings.h"
#include "platform/win/WinUser.h"

namespace qx::backend::gtk {

namespace {

struct MenuRun {
    GMainLoop* loop = nullptr;
    UINT chosen = 0;
};

// "&File" marks its mnemonic with '&' and writes a real '&' as "&&"; GTK uses '_' and "__".
std::string MnemonicText(const std::u16string& text) {
    std::string out;
    const std::string utf8 = WideToUtf8(text);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '_') {
            out += "__";
        } else if (c == '&') {
            if (i + 1 < utf8.size() && utf8[i + 1] == '&') {
                out += '&';
                ++i;
            } else {
                out += '_';
            }
        } else if (c == '\t') {
            break;  // an accelerator's text follows; GTK shows accelerators itself
        } else {
            out += c;
        }
    }
    return out;
}

void OnActivate(GtkMenuItem* item, gpointer data) {
    auto* run = static_cast<MenuRun*>(data);
    run->chosen = GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(item), "qx-command"));
    g_main_loop_quit(run->loop);
}

void OnDeactivate(GtkMenuShell*, gpointer data) { g_main_loop_quit(static_cast<MenuRun*>(data)->loop); }

GtkWidget* BuildMenu(const std::vector<MenuModelItem>& items, MenuRun& run) {
    GtkWidget* menu = gtk_menu_new();
    for (const MenuModelItem& item : items) {
        GtkWidget* widget = nullptr;
        if (item.kind == MenuModelItem::Kind::Separator) {
            widget = gtk_separator_menu_item_new();
        } else {
            const std::string label = MnemonicText(item.text);
            widget = item.checked ? gtk_check_menu_item_new_with_mnemonic(label.c_str())
                                  : gtk_menu_item_new_with_mnemonic(label.c_str());
            if (item.checked) gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(widget), TRUE);
            gtk_widget_set_sensitive(widget, item.enabled);
            if (item.kind == MenuModelItem::Kind::Popup) {
                gtk_menu_item_set_submenu(GTK_MENU_ITEM(widget), BuildMenu(item.items, run));
            } else {
                g_object_set_data(G_OBJECT(widget), "qx-command", GUINT_TO_POINTER(item.id));
                g_signal_connect(widget, "activate", G_CALLBACK(OnActivate), &run);
            }
        }
        gtk_menu_shell_append(GTK_MENU_SHELL(menu), widget);
    }
    gtk_widget_show_all(menu);
    return menu;
}

GdkGravity MenuAnchor(UINT flags) {
    const bool right = flags & TPM_RIGHTALIGN;
    const bool center = !right && (flags & TPM_CENTERALIGN);
    const bool bottom = flags & TPM_BOTTOMALIGN;
    const bool middle = !bottom && (flags & TPM_VCENTERALIGN);
    if (bottom) return right ? GDK_GRAVITY_SOUTH_EAST : center ? GDK_GRAVITY_SOUTH : GDK_GRAVITY_SOUTH_WEST;
    if (middle) return right ? GDK_GRAVITY_EAST : center ? GDK_GRAVITY_CENTER : GDK_GRAVITY_WEST;
    return right ? GDK_GRAVITY_NORTH_EAST : center ? GDK_GRAVITY_NORTH : GDK_GRAVITY_NORTH_WEST;
}

}  // namespace

UINT RunPopupMenu(const MenuModel& model, POINT screen, UINT flags, GtkWindow* near, GdkEvent* trigger) {
    if (model.items.empty()) return 0;
    MenuRun run;
    run.loop = g_main_loop_new(nullptr, FALSE);
    GtkWidget* menu = BuildMenu(model.items, run);
    g_object_ref_sink(menu);
    g_signal_connect(menu, "deactivate", G_CALLBACK(OnDeactivate), &run);

    GdkWindow* anchor = near && gtk_widget_get_mapped(GTK_WIDGET(near)) ? gtk_widget_get_window(GTK_WIDGET(near)) : nullptr;
    GdkRectangle at{screen.x, screen.y, 1, 1};
    if (anchor) {
        gint x = 0;
        gint y = 0;
        gdk_window_get_origin(anchor, &x, &y);
        at.x -= x;
        at.y -= y;
        gtk_menu_set_screen(GTK_MENU(menu), gdk_window_get_screen(anchor));
    } else {
        anchor = gdk_get_default_root_window();
    }
    gtk_menu_popup_at_rect(GTK_MENU(menu), anchor, &at, GDK_GRAVITY_NORTH_WEST, MenuAnchor(flags), trigger);
    if (gtk_widget_get_visible(menu)) g_main_loop_run(run.loop);

    g_signal_handlers_disconnect_by_data(menu, &run);
    gtk_widget_destroy(menu);
    g_object_unref(menu);
    g_main_loop_unref(run.loop);
    return run.chosen;
}

}  // namespace qx::backend::gtk
