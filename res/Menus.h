#pragma once
// The program's menus, as the window system loads them with LoadMenuW.

#include "platform/win/WinApi.h"

#include <vector>

namespace qx::res {

// Menu 141: the search-engine popup.
std::vector<qx::win::MenuResourceItem> SearchMenu();
// Menu 142: the settings popup.
std::vector<qx::win::MenuResourceItem> SettingsMenu();

}  // namespace qx::res
