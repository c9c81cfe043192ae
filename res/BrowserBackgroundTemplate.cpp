// Template 102: the layered window that shows the skin and carries the caption and taskbar
// button. Its frame and caption are never drawn: the window shows only its bitmap.

#include "res/DialogTemplates.h"
#include "res/ResourceIds.h"
#include "res/TemplateStyles.h"

namespace qx::res {
namespace {

constexpr DialogItemTemplate kItems[] = {
    // id        class    caption   style                  exStyle  x    y    cx  cy
    {IDOK,       kButton, u"确定",  kHiddenDefaultButton,  0,       209, 179, 50, 14},
    {IDCANCEL,   kButton, u"取消",  kHiddenPushButton,     0,       263, 179, 50, 14},
};

constexpr DialogTemplate kTemplate = {
    IDD_BROWSER_BACKGROUND,
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_SETFONT |
        DS_FIXEDSYS,
    0,
    0, 0, 320, 200,
    u"栎木网络互联",
    kDialogFont, 8,
    kItems,
};

}  // namespace

const DialogTemplate& BrowserBackgroundTemplate() { return kTemplate; }

}  // namespace qx::res
