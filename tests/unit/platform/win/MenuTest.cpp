// Menus: resources, building, and popups answered by the backend's chooser.

#include "TestWindows.h"

namespace qx::win::test {
namespace {

class MenuTest : public WindowTest {
protected:
    MenuTest() {
        RegisterMenuResource(141, {{MF_POPUP, 0, u"搜索", {{MF_STRING, 32805, u"谷歌", {}}, {MF_STRING, 32804, u"百度", {}}}}});
        RegisterMenuResource(142, {{MF_POPUP, 0, u"设置",
                                    {{MF_STRING, 32784, u"新建标签页 (Ctrl+T)", {}},
                                     {MF_SEPARATOR, 0, u"", {}},
                                     {MF_STRING | MF_GRAYED, 32795, u"打印", {}}}}});
        owner = CreatePopup({100, 100, 900, 700});
    }
    HWND owner = nullptr;
};

TEST_F(MenuTest, LoadedMenuHasThePopupOfTheResource) {
    HMENU menu = LoadMenuW(nullptr, MAKEINTRESOURCEW(141));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 1);
    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(GetMenuItemCount(popup), 2);
    EXPECT_EQ(GetMenuItemID(popup, 0), 32805u);
    EXPECT_EQ(GetMenuItemID(menu, 0), 0xFFFFFFFFu) << "a popup has no command";
    WCHAR text[8];
    GetMenuStringW(popup, 32804, text, 8, MF_BYCOMMAND);
    EXPECT_EQ(std::u16string(text), u"百度");
    EXPECT_EQ(GetSubMenu(popup, 0), nullptr);
    EXPECT_EQ(LoadMenuW(nullptr, MAKEINTRESOURCEW(999)), nullptr);

    EXPECT_FALSE(DestroyMenu(popup)) << "the menu it belongs to owns it";
    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_FALSE(IsMenu(popup));
    EXPECT_FALSE(IsMenu(menu));
}

TEST_F(MenuTest, ReturnCommandGivesTheChosenIdAndTheChooserSeesTheMenu) {
    backend.SetMenuChooser([](const qx::backend::ShownMenu& shown) {
        EXPECT_EQ(shown.menu.items.size(), 2u);
        return shown.menu.items[0].id;
    });
    HMENU menu = LoadMenuW(nullptr, MAKEINTRESOURCEW(141));
    UINT chosen = TrackPopupMenu(GetSubMenu(menu, 0), 0x0102, 690, 165, 0, owner, nullptr);
    EXPECT_EQ(chosen, 32805u);
    ASSERT_EQ(backend.Menus().size(), 1u);
    EXPECT_EQ(backend.Menus()[0].at, (POINT{690, 165}));
    EXPECT_EQ(backend.Menus()[0].owner, owner);
    EXPECT_EQ(backend.Menus()[0].menu.items[1].text, u"百度");
    DestroyMenu(menu);
}

TEST_F(MenuTest, DismissedOrUnofferedChoicesGiveNothing) {
    HMENU menu = LoadMenuW(nullptr, MAKEINTRESOURCEW(142));
    HMENU popup = GetSubMenu(menu, 0);
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 0, 0, 0, owner, nullptr), 0) << "dismissed by default";
    backend.SetMenuChooser([](const qx::backend::ShownMenu&) { return 32795u; });
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 0, 0, 0, owner, nullptr), 0) << "a grayed item cannot be chosen";
    backend.SetMenuChooser([](const qx::backend::ShownMenu&) { return 4242u; });
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 0, 0, 0, owner, nullptr), 0);
    EXPECT_FALSE(backend.Menus()[0].menu.items[2].enabled);
    EXPECT_EQ(backend.Menus()[0].menu.items[1].kind, qx::backend::MenuModelItem::Kind::Separator);
    EXPECT_EQ(EnableMenuItem(popup, 32795, MF_ENABLED), MF_GRAYED);
    backend.SetMenuChooser([](const qx::backend::ShownMenu&) { return 32795u; });
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 0, 0, 0, owner, nullptr), 32795);
}

TEST_F(MenuTest, WithoutReturnCommandTheChoiceIsPostedAsACommand) {
    HMENU popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, 7, u"Seven");
    backend.SetMenuChooser([](const qx::backend::ShownMenu&) { return 7u; });
    EXPECT_TRUE(TrackPopupMenu(popup, 0, 0, 0, 0, owner, nullptr));
    EXPECT_EQ(Count(owner, WM_COMMAND), 0);
    PumpPendingMessages();
    ASSERT_EQ(Count(owner, WM_COMMAND), 1);
    EXPECT_EQ(LOWORD(Received(owner, WM_COMMAND)[0].wParam), 7);
    EXPECT_FALSE(TrackPopupMenu(popup, 0, 0, 0, 0, HandleFromId<HWND>(0x888), nullptr));
    DestroyMenu(popup);
}

}  // namespace
}  // namespace qx::win::test
