#include "res/Menus.h"

#include "res/ResourceIds.h"

namespace qx::res {
namespace {

qx::win::MenuResourceItem Item(UINT id, const char16_t* text) { return {MF_STRING, id, text, {}}; }
qx::win::MenuResourceItem Separator() { return {MF_SEPARATOR, 0, u"", {}}; }
qx::win::MenuResourceItem Popup(const char16_t* text, std::vector<qx::win::MenuResourceItem> items) {
    return {MF_POPUP, 0, text, std::move(items)};
}

}  // namespace

std::vector<qx::win::MenuResourceItem> SearchMenu() {
    return {Popup(u"搜索", {
                               Item(ID_SEARCH_GOOGLE, u"谷歌"),
                               Item(ID_SEARCH_BAIDU, u"百度"),
                           })};
}

// The key names in the captions are text only; no accelerator stands behind them.
std::vector<qx::win::MenuResourceItem> SettingsMenu() {
    return {Popup(u"设置", {
                               Item(ID_SETTING_NEW_TAB, u"新建标签页 (Ctrl+T)"),
                               Item(ID_SETTING_CLOSE_TAB, u"关闭标签页 "),
                               Item(ID_SETTING_CLOSE_WINDOW, u"关闭窗口   (Ctrl+W)"),
                               Separator(),
                               Item(ID_SETTING_SAVE_AS, u"网页另存为"),
                               Item(ID_SETTING_FIND, u"查找"),
                               Item(ID_SETTING_PRINT, u"打印"),
                           })};
}

}  // namespace qx::res
