#pragma once
// The page commands' own dialogs. Each is shown without blocking (the program's message loop
// keeps running) and does its work when the user answers it; the dialog destroys itself then.

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

namespace qx::web {

// "Save page as": a file chooser, then the page saved as one MHTML file.
GtkWidget* ShowSaveAsDialog(WebKitWebView* view);

// "Print": the print dialog, then the page printed with the chosen printer and settings.
GtkWidget* ShowPrintDialog(WebKitWebView* view);

// A message about a failure, next to widget's window; closes when answered.
void ShowErrorMessage(GtkWidget* near, const char* message);

}  // namespace qx::web
