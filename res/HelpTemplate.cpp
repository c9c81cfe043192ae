// Template 143: the greeting dialog of the settings menu's help item.

#include "res/DialogTemplates.h"
#include "res/ResourceIds.h"
#include "res/TemplateStyles.h"

namespace qx::res {
namespace {

constexpr DialogItemTemplate kItems[] = {
    // id        class    caption                            style                   exStyle  x    y    cx   cy
    {IDOK,       kButton, u"确定",                           kDefaultButton,         0,       188, 137, 50,  14},
    {IDCANCEL,   kButton, u"取消",                           kPushButton,            0,       242, 137, 50,  14},
    {IDC_STATIC, kStatic, u"你好欢迎你使用栎木网路互联工具", WS_VISIBLE | SS_LEFT,   0,       80,  66,  140, 8},
};

constexpr DialogTemplate kTemplate = {
    IDD_HELP,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS,
    0,
    0, 0, 299, 158,
    u"Dialog",
    kDialogFont, 8,
    kItems,
};

}  // namespace

const DialogTemplate& HelpTemplate() { return kTemplate; }

}  // namespace qx::res
