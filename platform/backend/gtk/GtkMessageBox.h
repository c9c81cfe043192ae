#pragma once
// Message boxes as modal GTK dialogs with the buttons and icon the MB_ type asks for.

#include "platform/base/WinTypes.h"

#include <gtk/gtk.h>

#include <string>

namespace qx::backend::gtk {

// The button pressed (IDOK, IDCANCEL, IDYES, ...); 0 when the box was closed without one.
int RunMessageBox(GtkWindow* parent, const std::u16string& text, const std::u16string& caption, UINT type);

}  // namespace qx::backend::gtk
