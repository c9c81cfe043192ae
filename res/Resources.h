#pragma once
// Makes the program's dialog templates findable by CDialog and its menus loadable by LoadMenuW.
// Call once at start-up, before the first window; calling again does no harm.

namespace qx::res {

void RegisterResources();

}  // namespace qx::res
