// Menus 141 and 142 as LoadMenuW gives them once the resources are registered.

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/win/WinApi.h"
#include "res/ResourceIds.h"
#include "res/Resources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qx::res::test {
namespace {

struct Item {
    UINT id;  // 0 for the separator
    std::u16string text;
};

std::u16string TextAt(HMENU menu, int position) {
    char16_t text[64] = {};
    const int n = ::GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return std::u16string(text, n > 0 ? static_cast<std::size_t>(n) : 0);
}

class MenusTest : public ::testing::Test {
protected:
    MenusTest() { RegisterResources(); }
    qx::backend::HeadlessBackend backend;
    qx::win::WindowSystemScope scope{backend};
};

TEST_F(MenusTest, EachMenuHasOnePopupWithItsItemsInOrder) {
    struct Case {
        UINT menu;
        std::u16string popup;
        std::vector<Item> items;
    };
    const Case cases[] = {
        {IDR_MENU_SEARCH, u"搜索", {{32805, u"谷歌"}, {32804, u"百度"}}},
        {IDR_MENU_SETTINGS,
         u"设置",
         {{32784, u"新建标签页 (Ctrl+T)"},
          {32788, u"关闭标签页 "},
          {32789, u"关闭窗口   (Ctrl+W)"},
          {0, u""},
          {32790, u"网页另存为"},
          {32792, u"查找"},
          {32795, u"打印"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.menu);
        HMENU bar = ::LoadMenuW(nullptr, MAKEINTRESOURCEW(static_cast<WORD>(c.menu)));
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(::GetMenuItemCount(bar), 1);
        EXPECT_EQ(TextAt(bar, 0), c.popup);
        HMENU popup = ::GetSubMenu(bar, 0);
        ASSERT_NE(popup, nullptr);
        ASSERT_EQ(::GetMenuItemCount(popup), static_cast<int>(c.items.size()));
        for (int i = 0; i < static_cast<int>(c.items.size()); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(::GetMenuItemID(popup, i), c.items[i].id);
            EXPECT_EQ(TextAt(popup, i), c.items[i].text);
        }
        ::DestroyMenu(bar);
    }
}

}  // namespace
}  // namespace qx::res::test
