#include "res/DialogTemplates.h"

namespace qx::res {

std::span<const DialogTemplate* const> AllDialogTemplates() {
    static const DialogTemplate* const templates[] = {
        &BrowserBackgroundTemplate(), &RunningBackgroundTemplate(), &ExplorerPageTemplate(),
        &MainFrameTemplate(),         &HelpTemplate(),
    };
    return templates;
}

}  // namespace qx::res
