#pragma once
// The program's dialog templates.

#include "platform/framework/DialogTemplate.h"

#include <span>

namespace qx::res {

// The window class of the web browser control (control 1038 of the page dialog); the web
// control layer registers it.
inline constexpr const char16_t* kWebBrowserClassName = u"QXWebBrowser";

const DialogTemplate& BrowserBackgroundTemplate();  // 102
const DialogTemplate& RunningBackgroundTemplate();  // 103
const DialogTemplate& ExplorerPageTemplate();       // 105
const DialogTemplate& MainFrameTemplate();          // 129
const DialogTemplate& HelpTemplate();               // 143

// All five, in id order.
std::span<const DialogTemplate* const> AllDialogTemplates();

}  // namespace qx::res
