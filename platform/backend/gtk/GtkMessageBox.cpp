#include "platform/backend/gtk/GtkMessageBox.h"

#include "platform/base/Strings.h"
#include "platform/win/WinUser.h"

#include <utility>
#include <vector>

namespace qx::backend::gtk {

namespace {

std::vector<std::pair<const char*, int>> ButtonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{"_OK", IDOK}, {"_Cancel", IDCANCEL}};
    case MB_ABORTRETRYIGNORE: return {{"_Abort", IDABORT}, {"_Retry", IDRETRY}, {"_Ignore", IDIGNORE}};
    case MB_YESNOCANCEL: return {{"_Yes", IDYES}, {"_No", IDNO}, {"_Cancel", IDCANCEL}};
    case MB_YESNO: return {{"_Yes", IDYES}, {"_No", IDNO}};
    case MB_RETRYCANCEL: return {{"_Retry", IDRETRY}, {"_Cancel", IDCANCEL}};
    default: return {{"_OK", IDOK}};
    }
}

GtkMessageType MessageTypeOf(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONERROR: return GTK_MESSAGE_ERROR;
    case MB_ICONQUESTION: return GTK_MESSAGE_QUESTION;
    case MB_ICONWARNING: return GTK_MESSAGE_WARNING;
    case MB_ICONINFORMATION: return GTK_MESSAGE_INFO;
    default: return GTK_MESSAGE_OTHER;
    }
}

int DefaultButtonIndex(UINT type) {
    if (type & MB_DEFBUTTON3) return 2;
    if (type & MB_DEFBUTTON2) return 1;
    return 0;
}

}  // namespace

int RunMessageBox(GtkWindow* parent, const std::u16string& text, const std::u16string& caption, UINT type) {
    GtkWidget* dialog = gtk_message_dialog_new(parent, GTK_DIALOG_MODAL, MessageTypeOf(type), GTK_BUTTONS_NONE, "%s",
                                               WideToUtf8(text).c_str());
    gtk_window_set_title(GTK_WINDOW(dialog), WideToUtf8(caption).c_str());
    const auto buttons = ButtonsOf(type);
    for (const auto& [label, id] : buttons) gtk_dialog_add_button(GTK_DIALOG(dialog), label, id);
    const int defaultIndex = DefaultButtonIndex(type);
    if (defaultIndex < static_cast<int>(buttons.size())) {
        gtk_dialog_set_default_response(GTK_DIALOG(dialog), buttons[defaultIndex].second);
    }
    if (type & MB_TOPMOST) gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
    gtk_window_set_position(GTK_WINDOW(dialog), parent ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);
    // Without a window manager nobody gives the box the keyboard: it takes it once shown.
    g_signal_connect(dialog, "map-event", G_CALLBACK(+[](GtkWidget* widget, GdkEvent*, gpointer) -> gboolean {
                         gtk_window_present(GTK_WINDOW(widget));
                         return FALSE;
                     }),
                     nullptr);
    const int response = gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
    // Escape or the window's close button: the window system makes its answer of it.
    return response > 0 ? response : 0;
}

}  // namespace qx::backend::gtk
