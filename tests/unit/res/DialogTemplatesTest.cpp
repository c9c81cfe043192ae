// The program's dialog templates: every control's id, class, style, extended style and caption,
// and the dialogs made from them.

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/framework/Framework.h"
#include "res/DialogTemplates.h"
#include "res/ResourceIds.h"
#include "res/Resources.h"

#include <gtest/gtest.h>

#include <vector>

namespace qx::res::test {
namespace {

struct Control {
    UINT id;
    const char16_t* cls;
    const char16_t* caption;
    DWORD style;
    DWORD exStyle;
};

struct Expected {
    UINT id;
    DWORD style;
    DWORD exStyle;
    short cx, cy;
    const char16_t* caption;
    WORD points;
    std::vector<Control> controls;
};

constexpr DWORD V = WS_VISIBLE;
constexpr DWORD T = WS_TABSTOP;
constexpr DWORD kShellFont = DS_SETFONT | DS_FIXEDSYS;

const std::vector<Expected>& ExpectedTemplates() {
    static const std::vector<Expected> expected = {
        {102, WS_POPUP | V | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | kShellFont, 0,
         320, 200, u"栎木网络互联", 8,
         {{1, u"Button", u"确定", T | BS_DEFPUSHBUTTON, 0}, {2, u"Button", u"取消", T, 0}}},
        {103, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_MODALFRAME | kShellFont,
         WS_EX_APPWINDOW, 320, 200, u"栎木网络互联", 8,
         {{1, u"Button", u"确定", V | T | BS_DEFPUSHBUTTON, 0}, {2, u"Button", u"取消", V | T, 0}}},
        {105, 0x40080048, 0, 451, 191, u"", 9,
         {{1, u"Button", u"确定", T | BS_DEFPUSHBUTTON, 0},
          {2, u"Button", u"取消", T, 0},
          {1038, u"QXWebBrowser", u"", 0x50010000, 0}}},
        {129, WS_POPUP | WS_SYSMENU | kShellFont, 0, 0, 0, u"", 8,
         {{1, u"Button", u"确定", T | BS_DEFPUSHBUTTON, 0},
          {2, u"Button", u"取消", T, 0},
          {1002, u"Button", u"关闭", V | T, 0},
          {1003, u"Button", u"最大化", V | T, 0},
          {1004, u"Button", u"最小化", V | T, 0},
          {1005, u"Button", u"任务", V | T, 0},
          {1006, u"Button", u"通讯录", V | T, 0},
          {1007, u"Button", u"记事本", V | T, 0},
          {1008, u"Button", u"收藏", V | T, 0},
          {1009, u"Button", u"收藏夹", V | T, 0},
          {1010, u"Button", u"记事本", V | T, 0},
          {1011, u"Button", u"通讯录", V | T, 0},
          {1012, u"Button", u"任务", V | T, 0},
          {1013, u"Button", u"向后", V | T, 0},
          {1014, u"Button", u"向前", V | T, 0},
          {1015, u"Button", u"停止", V | T, 0},
          {1016, u"Button", u"刷新", V | T, 0},
          {1017, u"Button", u"主页", V | T, 0},
          {1018, u"Button", u"设置", V | T, 0},
          {1019, u"Button", u"PageIco", V | T, 0},
          {1021, u"Edit", u"", V | T | ES_AUTOHSCROLL, 0},
          {1022, u"Button", u"goto", V | T, 0},
          {1023, u"Button", u"搜索ico", V | T, 0},
          {1024, u"Edit", u"", V | T | ES_AUTOHSCROLL, 0},
          {1025, u"Button", u"goto", V | T, 0},
          {1031, u"Edit", u"", V | T, WS_EX_TRANSPARENT},
          {1032, u"Edit", u"", V | T | ES_AUTOHSCROLL, WS_EX_TRANSPARENT},
          {1039, u"Static", u"Static", V, 0},
          {1044, u"Button", u"", V | T, 0},
          {1045, u"Button", u"", V | T, 0}}},
        {143, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | kShellFont, 0, 299, 158, u"Dialog", 8,
         {{1, u"Button", u"确定", V | T | BS_DEFPUSHBUTTON, 0},
          {2, u"Button", u"取消", V | T, 0},
          {0xFFFF, u"Static", u"你好欢迎你使用栎木网路互联工具", V, 0}}},
    };
    return expected;
}

TEST(DialogTemplatesTest, EveryTemplateHoldsItsControlsAsGiven) {
    const auto all = AllDialogTemplates();
    ASSERT_EQ(all.size(), ExpectedTemplates().size());
    for (std::size_t t = 0; t < all.size(); ++t) {
        const DialogTemplate& tpl = *all[t];
        const Expected& e = ExpectedTemplates()[t];
        SCOPED_TRACE(e.id);
        EXPECT_EQ(tpl.nID, e.id);
        EXPECT_EQ(tpl.dwStyle, e.style);
        EXPECT_EQ(tpl.dwExStyle, e.exStyle);
        EXPECT_EQ(tpl.cx, e.cx);
        EXPECT_EQ(tpl.cy, e.cy);
        EXPECT_EQ(std::u16string_view(tpl.lpszCaption), e.caption);
        EXPECT_EQ(std::u16string_view(tpl.lpszFontFace), u"MS Shell Dlg");
        EXPECT_EQ(tpl.wPointSize, e.points);
        ASSERT_EQ(tpl.items.size(), e.controls.size());
        for (std::size_t i = 0; i < e.controls.size(); ++i) {
            const DialogItemTemplate& item = tpl.items[i];
            const Control& c = e.controls[i];
            SCOPED_TRACE(c.id);
            EXPECT_EQ(item.nID, c.id);
            EXPECT_EQ(std::u16string_view(item.lpszClass), c.cls);
            EXPECT_EQ(std::u16string_view(item.lpszCaption), c.caption);
            EXPECT_EQ(item.dwStyle, c.style);
            EXPECT_EQ(item.dwExStyle, c.exStyle);
        }
    }
}

TEST(DialogTemplatesTest, ThePageTemplatesBrowserControlIsHostedAtItsPlace) {
    const DialogItemTemplate& browser = ExplorerPageTemplate().items[2];
    ASSERT_NE(browser.pClsid, nullptr);
    EXPECT_EQ(*browser.pClsid, CLSID_WebBrowser);
    EXPECT_EQ((RECT{browser.x, browser.y, browser.cx, browser.cy}), (RECT{7, 7, 437, 176}));
}

class DialogsFromResourcesTest : public ::testing::Test {
protected:
    DialogsFromResourcesTest() { RegisterResources(); }
    qx::backend::HeadlessBackend backend;
    qx::win::WindowSystemScope scope{backend};
};

TEST_F(DialogsFromResourcesTest, TheMainWindowTemplateMakesEveryControlWithItsClass) {
    CDialog mainFrame;
    ASSERT_TRUE(mainFrame.Create(IDD_MAIN_FRAME));
    for (const Control& c : ExpectedTemplates()[3].controls) {
        SCOPED_TRACE(c.id);
        HWND ctrl = ::GetDlgItem(mainFrame.m_hWnd, static_cast<int>(c.id));
        ASSERT_NE(ctrl, nullptr);
        char16_t name[32] = {};
        ::GetClassNameW(ctrl, name, 32);
        EXPECT_EQ(std::u16string_view(name), c.cls);
    }
    EXPECT_FALSE(mainFrame.IsWindowVisible());
}

TEST_F(DialogsFromResourcesTest, ThePageDialogWorksWithoutTheBrowserControlsClassAndHostsItWhenThere) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, u"", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr));
    CDialog without;
    ASSERT_TRUE(without.Create(IDD_EXPLORER_PAGE, &parent));
    EXPECT_EQ(::GetDlgItem(without.m_hWnd, IDC_EXPLORER), nullptr);

    WNDCLASSW wc;
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.lpszClassName = kWebBrowserClassName;
    ::RegisterClassW(&wc);
    CDialog with;
    ASSERT_TRUE(with.Create(IDD_EXPLORER_PAGE, &parent));
    HWND browser = ::GetDlgItem(with.m_hWnd, IDC_EXPLORER);
    ASSERT_NE(browser, nullptr);
    RECT rc;
    ::GetWindowRect(browser, &rc);
    EXPECT_EQ(rc.right - rc.left, 765) << "437 dialog units at 7 pixels per 4 (9 points)";
    EXPECT_EQ(::GetParent(with.m_hWnd), parent.m_hWnd);
    EXPECT_FALSE(with.IsWindowVisible()) << "not visible at creation";
}

TEST_F(DialogsFromResourcesTest, TheGreetingDialogEndsWithEitherButton) {
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        CDialogEx help(IDD_HELP);
        backend.AddStep([&, key] { backend.Key(key, key == VK_RETURN ? u'\r' : 0x1B); });
        EXPECT_EQ(help.DoModal(), key == VK_RETURN ? IDOK : IDCANCEL);
    }
}

}  // namespace
}  // namespace qx::res::test
