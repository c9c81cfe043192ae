#include "res/Resources.h"

#include "res/DialogTemplates.h"
#include "res/Menus.h"
#include "res/ResourceIds.h"

namespace qx::res {

void RegisterResources() {
    for (const DialogTemplate* tpl : AllDialogTemplates()) qx::fw::RegisterDialogTemplate(*tpl);
    qx::win::RegisterMenuResource(IDR_MENU_SEARCH, SearchMenu());
    qx::win::RegisterMenuResource(IDR_MENU_SETTINGS, SettingsMenu());
}

}  // namespace qx::res
