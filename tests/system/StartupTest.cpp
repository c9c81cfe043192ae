// Start-up and shutdown of the whole program: finding the skin through config.ini, the chain of
// windows it opens, the notification-area icon, and the one exit.

#include "system/BrowserTest.h"

#include <filesystem>

#include "platform/base/Paths.h"
#include "platform/base/Strings.h"
#include "skin/SkinFile.h"

namespace qx::systest {
namespace {

constexpr std::uint32_t kBlueTitle = 0xFF0000FF;

struct SkinFolderCase {
    const char* name;
    const char* config;            // config.ini as it is before start-up; null: no file
    const char* skinFolder;        // where start-up takes the skin from, under the program folder
    const char* configAfter;       // the path config.ini names afterwards
    std::uint32_t titleColor;      // the title bar of that skin
};

class SkinFolderTest : public BrowserTest, public ::testing::WithParamInterface<SkinFolderCase> {};

TEST_P(SkinFolderTest, StartUpTakesTheConfiguredSkinOrFallsBackToTheDefaultAndRecordsIt) {
    const SkinFolderCase& c = GetParam();
    // The default skin has the usual title colour; skin\Blue\ a blue one; skin\Empty\ no skin.ini.
    WriteSkin("skin/Blue/", {kBlueTitle});
    std::filesystem::create_directories(Folder() + "skin/Empty");
    std::filesystem::remove(Folder() + "config.ini");
    if (c.config) WriteConfig(c.config);

    CString strSkinFolder;
    std::uint32_t title = 0;
    Then([&] {
        strSkinFolder = CSkinFile::GetInstance().GetSkinFolder();
        title = SkinPixel(30, 25);
    });
    EXPECT_EQ(Run(), 0);

    EXPECT_EQ(strSkinFolder, qx::GetProgramFolder() + qx::Utf8ToWide(c.skinFolder));
    EXPECT_EQ(title, c.titleColor);
    EXPECT_NE(ReadConfig().find(std::string("path=") + c.configAfter), std::string::npos) << ReadConfig();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SkinFolderTest,
    ::testing::Values(
        SkinFolderCase{"Configured", "[skin]\r\npath=skin\\Blue\\\r\n", "skin\\Blue\\", "skin\\Blue\\", kBlueTitle},
        SkinFolderCase{"MissingKey", "[skin]\r\nother=1\r\n", "skin\\Default\\", "skin\\Default\\", skin::kTitle},
        SkinFolderCase{"MissingFile", nullptr, "skin\\Default\\", "skin\\Default\\", skin::kTitle},
        SkinFolderCase{"FolderWithoutSkin", "[skin]\r\npath=skin\\Empty\\\r\n", "skin\\Default\\", "skin\\Default\\",
                       skin::kTitle},
        SkinFolderCase{"NoTrailingBackslash", "[skin]\r\npath=skin\\Blue\r\n", "skin\\Default\\", "skin\\Default\\",
                       skin::kTitle}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(BrowserTest, AConfiguredSkinLeavesConfigIniUntouched) {
    WriteSkin("skin/Blue/", {kBlueTitle});
    const std::string config = "; mine\r\n[skin]\r\npath=skin\\Blue\\\r\n";
    WriteConfig(config);
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(ReadConfig(), config);
}

TEST_F(BrowserTest, StartUpOpensTheChainOfWindowsEachOwningTheNext) {
    Then([&] {
        ASSERT_NE(MainFrame(), nullptr);
        HWND owner = Owner()->GetSafeHwnd();
        HWND background = Background()->GetSafeHwnd();
        HWND main = MainFrame()->GetSafeHwnd();
        EXPECT_EQ(::GetParent(background), owner);
        EXPECT_EQ(::GetParent(main), background);
        EXPECT_EQ(qx::win::GetThreadMainWindow(), owner);

        // Only the background window is seen on the desktop as the program: a taskbar button
        // and the caption.
        const auto* ownerRecord = Desktop().FindWindow(owner);
        const auto* backgroundRecord = Desktop().FindWindow(background);
        ASSERT_TRUE(ownerRecord && backgroundRecord);
        EXPECT_FALSE(ownerRecord->visible);
        EXPECT_FALSE(ownerRecord->style.taskbarButton);
        EXPECT_TRUE(backgroundRecord->visible);
        EXPECT_TRUE(backgroundRecord->style.taskbarButton);
        EXPECT_TRUE(backgroundRecord->style.layered);
        EXPECT_EQ(backgroundRecord->title, u"栎木网络互联");
        EXPECT_EQ(::GetForegroundWindow(), background);
        EXPECT_TRUE(::IsWindowVisible(main));
        EXPECT_EQ(::SendMessageW(background, WM_GETICON, ICON_BIG, 0), ::SendMessageW(background, WM_GETICON, ICON_SMALL, 0));
        EXPECT_NE(::SendMessageW(background, WM_GETICON, ICON_BIG, 0), 0);
    });
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(m_app.m_nExitInstanceCalls, 1);
}

TEST_F(BrowserTest, TheTrayIconIsAddedAndTakenOutAtOnce) {
    Then([&] {
        EXPECT_TRUE(qx::win::CurrentNotifyIcons().empty());
        const auto& log = qx::win::NotifyIconLog();
        ASSERT_GE(log.size(), 2u);
        EXPECT_EQ(log[0].message, NIM_ADD);
        EXPECT_TRUE(log[0].result);
        EXPECT_EQ(log[0].data.hWnd, Owner()->GetSafeHwnd());
        EXPECT_EQ(log[0].data.uID, 1025u);
        EXPECT_EQ(log[0].data.uFlags, NIF_MESSAGE | NIF_ICON | NIF_TIP);
        EXPECT_EQ(log[0].data.uCallbackMessage, static_cast<UINT>(WM_USER + 1));
        EXPECT_NE(log[0].data.hIcon, nullptr);
        EXPECT_EQ(CString(log[0].data.szTip), u"栎木网络互联");
        EXPECT_EQ(log[1].message, NIM_DELETE);
        EXPECT_TRUE(log[1].result);
        EXPECT_TRUE(Owner()->m_pTrayIcon->m_bEnabled);
        EXPECT_TRUE(Owner()->m_pTrayIcon->m_bHidden);
        // Its callback has nothing to do and says so.
        EXPECT_EQ(::SendMessageW(Owner()->GetSafeHwnd(), WM_USER + 1, 0, 0), 1);
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(BrowserTest, WithoutLayeredImagesOrWindowSwitchingTheProgramStillShowsItsSkin) {
    qx::win::RemoveNamedFunction("user32", "UpdateLayeredWindow");
    qx::win::RemoveNamedFunction("user32", "SwitchToThisWindow");
    Then([&] {
        EXPECT_EQ(WindowRect(Background()), kStartRect);
        EXPECT_EQ(WindowRect(MainFrame()), kStartRect);
        EXPECT_EQ(::GetForegroundWindow(), Background()->GetSafeHwnd());
        // Painted as an ordinary window: the title bar and the content area are where they belong.
        EXPECT_EQ(ScreenPixel(kStartRect.left + 9, kStartRect.top + 25), skin::kTitle);
        EXPECT_EQ(ScreenPixel(kStartRect.left + 400, kStartRect.top + 300), skin::kContent);
    });
    Then([&] { Desktop().Configure(Background()->GetSafeHwnd(), {100, 100, 800, 600}); });
    Then([&] { EXPECT_EQ(ScreenPixel(100 + 699, 100 + 499), skin::kBorder) << "redrawn for the new size"; });
    EXPECT_EQ(Run(), 0);
}

}  // namespace
}  // namespace qx::systest
