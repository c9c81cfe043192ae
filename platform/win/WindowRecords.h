#pragma once
// Read-only access to the window records, for the composition of window images into the screen
// image and for tests. Nothing here changes a window.

#include "platform/win/Window.h"

#include <vector>

namespace qx::win {

// The record of a live window; null for a dead handle. Valid until the next call that may send
// a message.
const Window* FindWindowRecord(HWND hwnd);
// The top-level windows, topmost first. A window's children are in its record, topmost first.
std::vector<HWND> TopLevelWindowsInZOrder();

}  // namespace qx::win
