// Template 105: the page dialog, a child of the main window holding one web browser control.

#include "res/DialogTemplates.h"
#include "res/ResourceIds.h"
#include "res/TemplateStyles.h"

namespace qx::res {
namespace {

constexpr DialogItemTemplate kItems[] = {
    // id          class                 caption  style                  exStyle  x    y    cx   cy   class id
    {IDOK,         kButton,              u"确定", kHiddenDefaultButton,  0,       337, 170, 50,  14,  nullptr},
    {IDCANCEL,     kButton,              u"取消", kHiddenPushButton,     0,       394, 170, 50,  14,  nullptr},
    {IDC_EXPLORER, kWebBrowserClassName, u"",     0x50010000,            0,       7,   7,   437, 176, &CLSID_WebBrowser},
};

constexpr DialogTemplate kTemplate = {
    IDD_EXPLORER_PAGE,
    0x40080048,  // WS_CHILD | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS, not visible at creation
    0,
    0, 0, 451, 191,
    u"",
    kDialogFont, 9,
    kItems,
};

}  // namespace

const DialogTemplate& ExplorerPageTemplate() { return kTemplate; }

}  // namespace qx::res
