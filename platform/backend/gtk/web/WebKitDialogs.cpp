#include "platform/backend/gtk/web/WebKitDialogs.h"

#include <gtk/gtkunixprint.h>

#include <string>

namespace qx::web {
namespace {

const char kViewKey[] = "qx-web-view";

GtkWindow* WindowOf(GtkWidget* widget) {
    GtkWidget* top = widget ? gtk_widget_get_toplevel(widget) : nullptr;
    return top && gtk_widget_is_toplevel(top) && GTK_IS_WINDOW(top) ? GTK_WINDOW(top) : nullptr;
}

// A dialog or an operation keeps the page alive for as long as it may act on it.
void AttachView(gpointer holder, WebKitWebView* view) {
    g_object_set_data_full(G_OBJECT(holder), kViewKey, g_object_ref(view), g_object_unref);
}

WebKitWebView* AttachedView(gpointer holder) {
    return WEBKIT_WEB_VIEW(g_object_get_data(G_OBJECT(holder), kViewKey));
}

// The page title as a file name: no folder separators, never empty.
std::string SuggestedName(WebKitWebView* view) {
    std::string name = webkit_web_view_get_title(view) ? webkit_web_view_get_title(view) : "";
    for (char& c : name) {
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20) c = '_';
    }
    if (name.empty() || name == "." || name == "..") name = "page";
    return name + ".mhtml";
}

void OnSaved(GObject* source, GAsyncResult* result, gpointer) {
    GError* error = nullptr;
    WebKitWebView* view = WEBKIT_WEB_VIEW(source);
    if (!webkit_web_view_save_to_file_finish(view, result, &error)) {
        const std::string message = std::string("网页保存失败 (the page could not be saved): ") + error->message;
        ShowErrorMessage(GTK_WIDGET(view), message.c_str());
        g_error_free(error);
    }
}

void OnSaveResponse(GtkDialog* dialog, gint response, gpointer) {
    if (response == GTK_RESPONSE_ACCEPT) {
        GFile* file = gtk_file_chooser_get_file(GTK_FILE_CHOOSER(dialog));
        if (file) {
            webkit_web_view_save_to_file(AttachedView(dialog), file, WEBKIT_SAVE_MODE_MHTML, nullptr,
                                         OnSaved, nullptr);
            g_object_unref(file);
        }
    }
    gtk_widget_destroy(GTK_WIDGET(dialog));
}

void OnPrintFailed(WebKitPrintOperation* operation, GError* error, gpointer) {
    const std::string message = std::string("打印失败 (printing failed): ") + error->message;
    ShowErrorMessage(GTK_WIDGET(AttachedView(operation)), message.c_str());
}

void OnPrintFinished(WebKitPrintOperation* operation, gpointer) { g_object_unref(operation); }

void OnPrintResponse(GtkDialog* dialog, gint response, gpointer) {
    GtkPrintUnixDialog* printDialog = GTK_PRINT_UNIX_DIALOG(dialog);
    GtkPrinter* printer = gtk_print_unix_dialog_get_selected_printer(printDialog);
    if (response == GTK_RESPONSE_OK && printer) {
        GtkPrintSettings* settings = gtk_print_unix_dialog_get_settings(printDialog);
        gtk_print_settings_set_printer(settings, gtk_printer_get_name(printer));
        WebKitWebView* view = AttachedView(dialog);
        WebKitPrintOperation* operation = webkit_print_operation_new(view);
        AttachView(operation, view);
        webkit_print_operation_set_print_settings(operation, settings);
        webkit_print_operation_set_page_setup(operation, gtk_print_unix_dialog_get_page_setup(printDialog));
        g_signal_connect(operation, "failed", G_CALLBACK(OnPrintFailed), nullptr);
        // The operation lives until it reports the end of the job.
        g_signal_connect(operation, "finished", G_CALLBACK(OnPrintFinished), nullptr);
        webkit_print_operation_print(operation);
        g_object_unref(settings);
    }
    gtk_widget_destroy(GTK_WIDGET(dialog));
}

}  // namespace

GtkWidget* ShowSaveAsDialog(WebKitWebView* view) {
    GtkWidget* dialog = gtk_file_chooser_dialog_new("网页另存为", WindowOf(GTK_WIDGET(view)),
                                                    GTK_FILE_CHOOSER_ACTION_SAVE, "取消", GTK_RESPONSE_CANCEL,
                                                    "保存", GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
    gtk_file_chooser_set_do_overwrite_confirmation(chooser, TRUE);
    gtk_file_chooser_set_current_name(chooser, SuggestedName(view).c_str());
    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, "MHTML (*.mhtml)");
    gtk_file_filter_add_pattern(filter, "*.mhtml");
    gtk_file_filter_add_pattern(filter, "*.mht");
    gtk_file_chooser_add_filter(chooser, filter);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
    gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
    AttachView(dialog, view);
    g_signal_connect(dialog, "response", G_CALLBACK(OnSaveResponse), nullptr);
    gtk_widget_show(dialog);
    return dialog;
}

GtkWidget* ShowPrintDialog(WebKitWebView* view) {
    GtkWidget* dialog = gtk_print_unix_dialog_new("打印", WindowOf(GTK_WIDGET(view)));
    gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
    AttachView(dialog, view);
    g_signal_connect(dialog, "response", G_CALLBACK(OnPrintResponse), nullptr);
    gtk_widget_show(dialog);
    return dialog;
}

void ShowErrorMessage(GtkWidget* near, const char* message) {
    GtkWidget* box = gtk_message_dialog_new(WindowOf(near), GTK_DIALOG_DESTROY_WITH_PARENT, GTK_MESSAGE_ERROR,
                                            GTK_BUTTONS_CLOSE, "%s", message);
    g_signal_connect(box, "response", G_CALLBACK(gtk_widget_destroy), nullptr);
    gtk_widget_show(box);
}

}  // namespace qx::web
