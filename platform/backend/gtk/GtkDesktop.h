#pragma once
// What the X desktop offers: the primary monitor and its work area, whether a window manager
// runs (and can move windows for us), whether the screen composites (blends windows with alpha).

#include "platform/base/WinTypes.h"

namespace qx::backend::gtk {

RECT PrimaryMonitorRect();
// The part of the primary monitor that panels leave free; the whole monitor without a window
// manager that says otherwise.
RECT PrimaryWorkArea();
// A window manager that follows the desktop conventions runs (it can move windows for us).
bool WindowManagerRuns();
bool ScreenComposites();

}  // namespace qx::backend::gtk
