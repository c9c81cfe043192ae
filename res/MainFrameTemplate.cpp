// Template 129: the main window, a borderless pop-up of zero size whose controls are all laid
// out from the skin at run time. The captions are never shown.

#include "res/DialogTemplates.h"
#include "res/ResourceIds.h"
#include "res/TemplateStyles.h"

namespace qx::res {
namespace {

constexpr DWORD kBoxEdit = WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kTitleEdit = WS_VISIBLE | WS_TABSTOP;

constexpr DialogItemTemplate kItems[] = {
    // id                    class    caption       style                 exStyle            x    y   cx   cy
    {IDOK,                   kButton, u"确定",      kHiddenDefaultButton, 0,                 0,   0,  50,  14},
    {IDCANCEL,               kButton, u"取消",      kHiddenPushButton,    0,                 54,  0,  50,  14},
    {IDC_BTN_CLOSE,          kButton, u"关闭",      kPushButton,          0,                 0,   16, 24,  14},
    {IDC_BTN_MAX,            kButton, u"最大化",    kPushButton,          0,                 26,  16, 24,  14},
    {IDC_BTN_MIN,            kButton, u"最小化",    kPushButton,          0,                 52,  16, 24,  14},
    {IDC_BTN_TASKS,          kButton, u"任务",      kPushButton,          0,                 0,   32, 24,  14},
    {IDC_BTN_CONTACTS,       kButton, u"通讯录",    kPushButton,          0,                 26,  32, 24,  14},
    {IDC_BTN_NOTEPAD,        kButton, u"记事本",    kPushButton,          0,                 52,  32, 24,  14},
    {IDC_BTN_FAVORITE,       kButton, u"收藏",      kPushButton,          0,                 78,  32, 24,  14},
    {IDC_BTN_FAVORITES_ICO,  kButton, u"收藏夹",    kPushButton,          0,                 104, 32, 24,  14},
    {IDC_BTN_NOTEPAD_ICO,    kButton, u"记事本",    kPushButton,          0,                 130, 32, 24,  14},
    {IDC_BTN_CONTACTS_ICO,   kButton, u"通讯录",    kPushButton,          0,                 156, 32, 24,  14},
    {IDC_BTN_TASK_ICO,       kButton, u"任务",      kPushButton,          0,                 182, 32, 24,  14},
    {IDC_BTN_BACK,           kButton, u"向后",      kPushButton,          0,                 0,   48, 24,  14},
    {IDC_BTN_FORWARD,        kButton, u"向前",      kPushButton,          0,                 26,  48, 24,  14},
    {IDC_BTN_STOP,           kButton, u"停止",      kPushButton,          0,                 52,  48, 24,  14},
    {IDC_BTN_REFRESH,        kButton, u"刷新",      kPushButton,          0,                 78,  48, 24,  14},
    {IDC_BTN_HOME,           kButton, u"主页",      kPushButton,          0,                 104, 48, 24,  14},
    {IDC_BTN_SETTING,        kButton, u"设置",      kPushButton,          0,                 130, 48, 24,  14},
    {IDC_BTN_PAGE_ICO,       kButton, u"PageIco",   kPushButton,          0,                 0,   64, 24,  14},
    {IDC_ADDRESS_EDIT,       kEdit,   u"",          kBoxEdit,             0,                 26,  64, 120, 14},
    {IDC_BTN_ADDRESS_GO,     kButton, u"goto",      kPushButton,          0,                 148, 64, 24,  14},
    {IDC_BTN_SEARCH_ICO,     kButton, u"搜索ico",   kPushButton,          0,                 174, 64, 24,  14},
    {IDC_SEARCH_EDIT,        kEdit,   u"",          kBoxEdit,             0,                 200, 64, 80,  14},
    {IDC_BTN_SEARCH_GO,      kButton, u"goto",      kPushButton,          0,                 282, 64, 24,  14},
    {IDC_TITLE_EDIT,         kEdit,   u"",          kTitleEdit,           WS_EX_TRANSPARENT, 0,   80, 200, 14},
    {IDC_STATUS_EDIT,        kEdit,   u"",          kBoxEdit,             WS_EX_TRANSPARENT, 0,   96, 200, 14},
    {IDC_PAGE_AREA,          kStatic, u"Static",    WS_VISIBLE | SS_LEFT, 0,                 0,   112, 200, 40},
    {IDC_BTN_ADDRESS_COVER,  kButton, u"",          kPushButton,          0,                 26,  64, 120, 14},
    {IDC_BTN_SEARCH_COVER,   kButton, u"",          kPushButton,          0,                 200, 64, 80,  14},
};

constexpr DialogTemplate kTemplate = {
    IDD_MAIN_FRAME,
    WS_POPUP | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS,
    0,
    0, 0, 0, 0,
    u"",
    kDialogFont, 8,
    kItems,
};

}  // namespace

const DialogTemplate& MainFrameTemplate() { return kTemplate; }

}  // namespace qx::res
