#include "skin/ProfileFile.h"
#include "skin/SkinFile.h"
#include "unit/skin/SkinTestFolder.h"

namespace {

class SkinFileTest : public SkinTestFolder {
protected:
    CString Blue() const { return ProgramFolder() + u"skin\\Blue\\"; }
    void WriteBlueSkin(const std::string& text) const { WriteFile(u"skin\\Blue\\skin.ini", text); }
};

TEST_F(SkinFileTest, CurrentProfileFileMovesOnlyToSomethingThatExists) {
    WriteFile(u"a.ini", "[s]\nk=from a\n");
    MakeFolder(u"folder");
    EXPECT_EQ(GetCurrentProfileFile(), u"");
    EXPECT_EQ(ReadProfileString(u"s", u"k"), u"");

    SelectProfileFile(ProgramFolder() + u"a.ini");
    EXPECT_EQ(ReadProfileString(u"s", u"k"), u"from a");
    SelectProfileFile(ProgramFolder() + u"missing.ini");
    SelectProfileFile(u"");
    EXPECT_EQ(GetCurrentProfileFile(), ProgramFolder() + u"a.ini");
    EXPECT_EQ(ReadProfileString(u"s", u"k"), u"from a");

    SelectProfileFile(ProgramFolder() + u"folder");  // a folder passes the status query, and reads as empty
    EXPECT_EQ(GetCurrentProfileFile(), ProgramFolder() + u"folder");
    EXPECT_EQ(ReadProfileString(u"s", u"k"), u"");
}

TEST_F(SkinFileTest, ReadProfileStringCutsTo259Characters) {
    WriteFile(u"a.ini", "[s]\nk=" + std::string(400, 'x') + "\n");
    SelectProfileFile(ProgramFolder() + u"a.ini");
    EXPECT_EQ(ReadProfileString(u"s", u"k"), CString(259, u'x'));
}

TEST_F(SkinFileTest, OpenNeedsSkinIniInTheFolder) {
    CSkinFile& skin = CSkinFile::GetInstance();
    WriteBlueSkin("");
    EXPECT_FALSE(skin.Open(ProgramFolder() + u"skin\\Red\\"));
    EXPECT_EQ(skin.GetSkinFolder(), u"");
    EXPECT_TRUE(skin.Open(Blue()));
    EXPECT_EQ(skin.GetSkinFolder(), Blue());
    EXPECT_FALSE(skin.Open(ProgramFolder() + u"skin\\Blue"));  // looks for skin\Blueskin.ini
    EXPECT_EQ(skin.GetSkinFolder(), Blue());                  // a failed open keeps the folder
}

TEST_F(SkinFileTest, BackgroundImageIsReadOnceAndKept) {
    CSkinFile& skin = CSkinFile::GetInstance();
    WriteBlueSkin("[IMG]\nBG_IMAGE=bg.png\n");
    ASSERT_TRUE(skin.Open(Blue()));
    EXPECT_EQ(skin.GetBackgroundImage(), Blue() + u"bg.png");
    WriteBlueSkin("[IMG]\nBG_IMAGE=other.png\n");
    EXPECT_EQ(skin.GetBackgroundImage(), Blue() + u"bg.png");
}

TEST_F(SkinFileTest, MissingBackgroundImageGivesTheSkinFolderForGood) {
    CSkinFile& skin = CSkinFile::GetInstance();
    WriteBlueSkin("[IMG]\n");
    ASSERT_TRUE(skin.Open(Blue()));
    EXPECT_EQ(skin.GetBackgroundImage(), Blue());
    WriteBlueSkin("[IMG]\nBG_IMAGE=bg.png\n");
    EXPECT_EQ(skin.GetBackgroundImage(), Blue());
}

TEST_F(SkinFileTest, BackgroundColorIsReadAtEveryCall) {
    CSkinFile& skin = CSkinFile::GetInstance();
    WriteBlueSkin("[COLOR]\nBG_COLOR=FF00FF\n");
    ASSERT_TRUE(skin.Open(Blue()));
    EXPECT_EQ(skin.GetBackgroundColor(), 0x00FF00FFu);
    WriteBlueSkin("[COLOR]\r\nBG_COLOR = 0x0B487F\r\n");
    EXPECT_EQ(skin.GetBackgroundColor(), 0x007F480Bu);
    WriteBlueSkin("[COLOR]\nBG_COLOR=\n");
    EXPECT_EQ(skin.GetBackgroundColor(), 0u);
}

TEST_F(SkinFileTest, ButtonLocationsShareOneRecord) {
    CSkinFile& skin = CSkinFile::GetInstance();
    WriteBlueSkin("[IMG]\nBTN_TITLE_CLOSE=close.png,30,4,28,24,R\nBTN_TITLE_MIN=min.png,90,4,28,24,R\n");
    ASSERT_TRUE(skin.Open(Blue()));
    CQXButtonLocationModel* pClose = skin.ReadButtonLocation(u"BTN_TITLE_CLOSE");
    EXPECT_EQ(pClose->m_strImage, Blue() + u"close.png");
    const CQXButtonLocationModel closeCopy = *pClose;
    CQXButtonLocationModel* pMin = skin.ReadButtonLocation(u"BTN_TITLE_MIN");
    EXPECT_EQ(pMin, pClose);
    EXPECT_EQ(pClose->m_strImage, Blue() + u"min.png");  // the first pointer now shows the second element
    EXPECT_EQ(pClose->m_nX, 90);
    EXPECT_EQ(closeCopy.m_nX, 30);

    skin.ReadButtonLocation(u"BTN_MISSING");  // a missing element empties the record
    EXPECT_EQ(pClose->m_strImage, Blue());
    EXPECT_EQ(pClose->m_nWidth, 0);
    EXPECT_EQ(pClose->m_strAnchor, u"");
}

TEST_F(SkinFileTest, AreaLocationsAreOwnedByTheCaller) {
    CSkinFile& skin = CSkinFile::GetInstance();
    WriteBlueSkin("[LAYOUT]\nTITLE_BAR=title.png,0,0,0-0,30,T\n[IMG]\nTITLE_BAR=wrong.png,1,1,1,1,L\n"
                  "TAB_BG=tab.png,0,60,0-0,24,T\n");
    ASSERT_TRUE(skin.Open(Blue()));
    const std::unique_ptr<CQXAreaLocationModel> pTitle = skin.ReadAreaLocation(u"LAYOUT", u"TITLE_BAR");
    const std::unique_ptr<CQXAreaLocationModel> pTab = skin.ReadAreaLocation(u"IMG", u"TAB_BG");
    EXPECT_EQ(pTitle->m_strImage, Blue() + u"title.png");
    EXPECT_EQ(pTitle->m_strWidth, u"0-0");
    EXPECT_EQ(pTitle->m_strAnchor, u"T");
    EXPECT_EQ(pTab->m_strImage, Blue() + u"tab.png");
    EXPECT_EQ(pTab->m_nY, 60);
}

TEST_F(SkinFileTest, ReadsASkinWrittenOnWindows) {
    const std::u16string text = u"; 皮肤\r\n[IMG]\r\nBTN_BACK = back.png,10,40,32,32,L\r\n[COLOR]\r\nbg_color=0B487F\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) bytes += std::string{static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    WriteBlueSkin(bytes);
    CSkinFile& skin = CSkinFile::GetInstance();
    ASSERT_TRUE(skin.Open(Blue()));
    EXPECT_EQ(skin.ReadButtonLocation(u"BTN_BACK")->m_nY, 40);
    EXPECT_EQ(skin.GetBackgroundColor(), 0x007F480Bu);
}

}  // namespace
