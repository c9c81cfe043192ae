#include <optional>

#include "platform/base/Profile.h"
#include "skin/ConfigFile.h"
#include "skin/SkinFile.h"
#include "skin/SkinFolder.h"
#include "unit/skin/SkinTestFolder.h"

using namespace std::string_literals;

namespace {

class SkinFolderTest : public SkinTestFolder {
protected:
    CString ConfigPath() const {
        WCHAR buffer[260];
        GetPrivateProfileStringW(u"skin", u"path", u"<none>", buffer, 260, (ProgramFolder() + u"config.ini").c_str());
        return buffer;
    }
};

TEST_F(SkinFolderTest, ResolutionCases) {
    struct Case {
        const char* name;
        std::optional<std::string> config;         // config.ini before; none: missing
        std::vector<CString> skins;                // folders that hold a skin.ini
        CString expectedFolder;                    // relative to the program folder
        std::optional<std::string> expectedConfig; // config.ini after; none: unchanged
    };
    const CString kBlue = u"skin\\Blue\\";
    const CString kDefault = u"skin\\Default\\";
    const Case cases[] = {
        {"good config", "; my skin\r\n[skin]\r\npath=skin\\Blue\\\r\n", {kBlue, kDefault}, kBlue, std::nullopt},
        {"missing key", "; my skin\r\n[skin]\r\nother=1\r\n", {kBlue, kDefault}, kDefault,
         "; my skin\r\n[skin]\r\nother=1\r\npath=skin\\Default\\\r\n"},
        {"missing section", "[x]\ny=1\n", {kDefault}, kDefault, "[x]\ny=1\n[skin]\npath=skin\\Default\\\n"},
        {"folder without skin.ini", "[skin]\r\npath=skin\\Empty\\\r\n", {kDefault}, kDefault,
         "[skin]\r\npath=skin\\Default\\\r\n"},
        {"path without trailing backslash", "[skin]\npath=skin\\Blue\n", {kBlue, kDefault}, kDefault,
         "[skin]\npath=skin\\Default\\\n"},
        {"absolute path", "[skin]\npath=/usr/share/skin/\n", {kDefault}, kDefault, "[skin]\npath=skin\\Default\\\n"},
        {"config.ini missing", std::nullopt, {kBlue, kDefault}, kDefault, "[skin]\npath=skin\\Default\\\n"},
        {"UTF-16 config kept UTF-16", "\xFF\xFE[\0s\0k\0i\0n\0]\0\n\0"s, {kDefault}, kDefault,
         "\xFF\xFE[\0s\0k\0i\0n\0]\0\n\0p\0a\0t\0h\0=\0s\0k\0i\0n\0\\\0D\0e\0f\0a\0u\0l\0t\0\\\0\n\0"s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        MakeFolder(u"skin\\Empty");
        for (const CString& skin : c.skins) WriteFile(skin + u"skin.ini", "[IMG]\n");
        if (c.config) WriteFile(u"config.ini", *c.config);

        EXPECT_EQ(ResolveSkinFolder(), ProgramFolder() + c.expectedFolder);
        EXPECT_EQ(CSkinFile::GetInstance().GetSkinFolder(), ProgramFolder() + c.expectedFolder);
        EXPECT_EQ(CConfigFile::GetInstance().GetSkinFolder(), ProgramFolder() + c.expectedFolder);
        EXPECT_EQ(ReadFile(u"config.ini"), c.expectedConfig.value_or(c.config.value_or("")));
    }
}

TEST_F(SkinFolderTest, MissingDefaultSkinStillStartsWithEmptyElements) {
    WriteFile(u"config.ini", "[skin]\npath=skin\\Gone\\\n");
    EXPECT_EQ(ResolveSkinFolder(), ProgramFolder() + u"skin\\Default\\");
    EXPECT_EQ(ConfigPath(), u"skin\\Default\\");
    CSkinFile& skin = CSkinFile::GetInstance();
    EXPECT_EQ(skin.GetSkinFolder(), u"");
    EXPECT_EQ(skin.GetBackgroundColor(), 0u);
    EXPECT_EQ(skin.ReadButtonLocation(u"BTN_BACK")->m_nWidth, 0);
    EXPECT_EQ(skin.GetBackgroundImage(), u"");
}

TEST_F(SkinFolderTest, ConfiguredFolderIsReadOnce) {
    WriteFile(u"config.ini", "[skin]\npath=skin\\Blue\\\n");
    CConfigFile& config = CConfigFile::GetInstance();
    EXPECT_EQ(config.GetSkinFolder(), ProgramFolder() + u"skin\\Blue\\");
    WriteFile(u"config.ini", "[skin]\npath=skin\\Red\\\n");
    EXPECT_EQ(config.GetSkinFolder(), ProgramFolder() + u"skin\\Blue\\");
}

TEST_F(SkinFolderTest, MissingConfigMeansTheProgramFolder) {
    EXPECT_EQ(CConfigFile::GetInstance().GetSkinFolder(), ProgramFolder());
    WriteFile(u"skin.ini", "");
    EXPECT_EQ(ResolveSkinFolder(), ProgramFolder());
    EXPECT_FALSE(Exists(u"config.ini"));
}

TEST_F(SkinFolderTest, FolderOutsideTheProgramFolderIsStoredUnchanged) {
    WriteFile(u"config.ini", "[skin]\npath=skin\\Blue\\\n");
    CConfigFile::GetInstance().SetSkinFolder(u"/elsewhere/skin/");
    EXPECT_EQ(ConfigPath(), u"/elsewhere/skin/");
    EXPECT_EQ(CConfigFile::GetInstance().GetSkinFolder(), u"/elsewhere/skin/");

    // The next start joins it after the program folder, finds nothing and falls back.
    ResetReaders();
    WriteFile(u"skin\\Default\\skin.ini", "");
    EXPECT_EQ(ResolveSkinFolder(), ProgramFolder() + u"skin\\Default\\");
    EXPECT_EQ(ConfigPath(), u"skin\\Default\\");
}

TEST_F(SkinFolderTest, SkinFolderGoesToConfigIniNotToTheCurrentFile) {
    WriteFile(u"skin\\Blue\\skin.ini", "[COLOR]\nBG_COLOR=FF00FF\n");
    SelectProfileFile(ProgramFolder() + u"skin\\Blue\\skin.ini");
    CConfigFile::GetInstance().SetSkinFolder(ProgramFolder() + u"skin\\Default\\");
    EXPECT_EQ(ReadFile(u"skin\\Blue\\skin.ini"), "[COLOR]\nBG_COLOR=FF00FF\n");
    EXPECT_EQ(ReadFile(u"config.ini"), "[skin]\npath=skin\\Default\\\n");
    EXPECT_EQ(GetCurrentProfileFile(), ProgramFolder() + u"config.ini");
}

TEST_F(SkinFolderTest, ProgramFolderTextIsRemovedWherever) {
    // The relative form drops every exact occurrence of the program folder's text.
    CConfigFile::GetInstance().SetSkinFolder(ProgramFolder() + u"skin\\" + ProgramFolder() + u"x\\");
    EXPECT_EQ(ConfigPath(), u"skin\\x\\");
}

}  // namespace
