#pragma once
// A popup menu from a menu model, shown at a screen point until the user chooses an item or
// dismisses it (a nested main loop runs meanwhile).

#include "platform/backend/Backend.h"

#include <gtk/gtk.h>

namespace qx::backend::gtk {

// The chosen command id; 0 when dismissed. near: a window of ours the menu belongs to (null:
// the screen); trigger: the press that led to the menu, if any. flags: TPM_ alignment.
UINT RunPopupMenu(const MenuModel& model, POINT screen, UINT flags, GtkWindow* near, GdkEvent* trigger);

}  // namespace qx::backend::gtk
