#include "platform/base/Strings.h"
#include "skin/QXAreaLocationModel.h"
#include "skin/QXButtonLocationModel.h"
#include "unit/skin/SkinTestFolder.h"

namespace {

class LocationModelTest : public SkinTestFolder {
protected:
    void SetUp() override {
        SkinTestFolder::SetUp();
        WriteFile(u"skin\\Blue\\skin.ini", "");
        ASSERT_TRUE(CSkinFile::GetInstance().Open(Folder()));
    }
    CString Folder() const { return ProgramFolder() + u"skin\\Blue\\"; }
};

struct ParseCase {
    CString value;
    CString image;  // after the skin folder
    LONG x, y;
    CString width, height;  // as text; the button record reads them as numbers
    CString anchor;
};

const ParseCase kParseCases[] = {
    {u"close.png,30,4,28,24,R", u"close.png", 30, 4, u"28", u"24", u"R"},
    {u"bar.png,0,60,0-0,60-24,T", u"bar.png", 0, 60, u"0-0", u"60-24", u"T"},
    // Fields stand as they are: blanks belong to the field, numbers read like _wtol.
    {u" a b.png, 12,12px,abc, 7 , T", u" a b.png", 12, 12, u"abc", u" 7 ", u" T"},
    {u"a.png,-3,-3,-5,5-,RR", u"a.png", -3, -3, u"-5", u"5-", u"RR"},
    {u"a.png,1,2,3,4,L,extra,fields", u"a.png", 1, 2, u"3", u"4", u"L"},
    // Fewer than six fields: missing text is empty, missing numbers are 0.
    {u"a.png,1,2", u"a.png", 1, 2, u"", u"", u""},
    {u"", u"", 0, 0, u"", u"", u""},
    {u",,,,,", u"", 0, 0, u"", u"", u""},
};

TEST_F(LocationModelTest, ButtonRecordParsesTheSixFields) {
    for (const ParseCase& c : kParseCases) {
        CQXButtonLocationModel button;
        button.ParseValue(c.value);
        const std::string name = qx::WideToUtf8(c.value);
        EXPECT_EQ(button.m_strImage, Folder() + c.image) << name;
        EXPECT_EQ(button.m_nX, c.x) << name;
        EXPECT_EQ(button.m_nY, c.y) << name;
        EXPECT_EQ(button.m_nWidth, qx::WideToLong(c.width)) << name;
        EXPECT_EQ(button.m_nHeight, qx::WideToLong(c.height)) << name;
        EXPECT_EQ(button.m_strAnchor, c.anchor) << name;
    }
}

TEST_F(LocationModelTest, AreaRecordKeepsSizeRulesAsText) {
    for (const ParseCase& c : kParseCases) {
        CQXAreaLocationModel area;
        area.ParseValue(c.value);
        const std::string name = qx::WideToUtf8(c.value);
        EXPECT_EQ(area.m_strImage, Folder() + c.image) << name;
        EXPECT_EQ(area.m_nX, c.x) << name;
        EXPECT_EQ(area.m_nY, c.y) << name;
        EXPECT_EQ(area.m_strWidth, c.width) << name;
        EXPECT_EQ(area.m_strHeight, c.height) << name;
        EXPECT_EQ(area.m_strAnchor, c.anchor) << name;
    }
}

TEST_F(LocationModelTest, ParsingAgainReplacesEveryField) {
    CQXButtonLocationModel button;
    button.ParseValue(u"a.png,1,2,3,4,R");
    const CQXButtonLocationModel copy = button;
    button.ParseValue(u"b.png");
    EXPECT_EQ(button.m_strImage, Folder() + u"b.png");
    EXPECT_EQ(button.m_nX, 0);
    EXPECT_EQ(button.m_nHeight, 0);
    EXPECT_EQ(button.m_strAnchor, u"");
    EXPECT_EQ(copy.m_strImage, Folder() + u"a.png");  // a copy keeps its own values
    EXPECT_EQ(copy.m_nHeight, 4);
}

}  // namespace
