// Template 103: the hidden owner window that carries the program's message loop.

#include "res/DialogTemplates.h"
#include "res/ResourceIds.h"
#include "res/TemplateStyles.h"

namespace qx::res {
namespace {

constexpr DialogItemTemplate kItems[] = {
    // id        class    caption   style            exStyle  x    y    cx  cy
    {IDOK,       kButton, u"确定",  kDefaultButton,  0,       209, 179, 50, 14},
    {IDCANCEL,   kButton, u"取消",  kPushButton,     0,       263, 179, 50, 14},
};

constexpr DialogTemplate kTemplate = {
    IDD_RUNNING_BACKGROUND,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS,
    WS_EX_APPWINDOW,
    0, 0, 320, 200,
    u"栎木网络互联",
    kDialogFont, 8,
    kItems,
};

}  // namespace

const DialogTemplate& RunningBackgroundTemplate() { return kTemplate; }

}  // namespace qx::res
