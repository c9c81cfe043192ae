#include <gtest/gtest.h>

#include "platform/base/Paths.h"
#include "platform/base/Strings.h"

using namespace qx;

TEST(Utf, RoundTripsMixedText) {
    const std::string utf8 = "abc \xE6\xA0\x8E\xE6\x9C\xA8 \xF0\x9F\x98\x80";  // ASCII, CJK, an emoji
    const std::u16string wide = Utf8ToWide(utf8);
    EXPECT_EQ(wide, u"abc 栎木 \U0001F600");
    EXPECT_EQ(WideToUtf8(wide), utf8);
}

TEST(Utf, BadInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToWide("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(Utf8ToWide("a\xE6\xA0"), u"a\uFFFD");          // truncated sequence
    EXPECT_EQ(Utf8ToWide("\xC0\x80"), u"\uFFFD");             // overlong NUL
    EXPECT_EQ(WideToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(WideToLong, ReadsLikeTheCLibrary) {
    struct Case { std::u16string text; std::int32_t expected; };
    const Case cases[] = {
        {u"12", 12}, {u" 12", 12}, {u"\t\n12px", 12}, {u"abc", 0}, {u"", 0}, {u"-3", -3},
        {u"+7", 7}, {u"- 3", 0}, {u"1021", 1021}, {u"99999999999", INT32_MAX}, {u"-99999999999", INT32_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(WideToLong(c.text), c.expected) << WideToUtf8(c.text);
}

TEST(HexToLong, ReadsLikeStrtolBase16) {
    struct Case { const char* text; std::int32_t expected; };
    const Case cases[] = {
        {"FF00FF", 0xFF00FF}, {"0B487F", 0x0B487F}, {"0xFF00FF", 0xFF00FF}, {" 0X10", 16}, {"", 0},
        {"zz", 0}, {"12g4", 0x12}, {"-10", -16}, {"0x", 0}, {"0xg", 0}, {"FFFFFFFFF", 0x7FFFFFFF},
        {"-FFFFFFFFF", INT32_MIN}, {"80000000", 0x7FFFFFFF}, {"7FFFFFFF", 0x7FFFFFFF},
    };
    for (const auto& c : cases) EXPECT_EQ(HexToLong(c.text), c.expected) << c.text;
}

TEST(FormatWide, SupportsTheFormsInUse) {
    EXPECT_EQ(FormatWide(u"%d", 1021), u"1021");
    EXPECT_EQ(FormatWide(u"%d", -1), u"-1");
    EXPECT_EQ(FormatWide(u"%s[%d]: %s", u"QXSQL_ERROR", 1000, u"Database not open"),
              u"QXSQL_ERROR[1000]: Database not open");
    EXPECT_EQ(FormatWide(u"%08X", 0x80020006u), u"80020006");
    EXPECT_EQ(FormatWide(u"%08X", 0x1Fu), u"0000001F");
    EXPECT_EQ(FormatWide(u"100%% %s", std::u16string(u"栎木")), u"100% 栎木");
    EXPECT_EQ(FormatWide(u"%s and %s", u"one"), u"one and ");
}

TEST(Paths, ProgramFolderEndsWithSeparatorAndCanBeOverridden) {
    const std::u16string real = GetProgramFolder();
    ASSERT_FALSE(real.empty());
    EXPECT_EQ(real.back(), u'/');
    SetProgramFolderForTesting(u"/tmp/prog/");
    EXPECT_EQ(GetProgramFolder(), u"/tmp/prog/");
    SetProgramFolderForTesting(u"");
    EXPECT_EQ(GetProgramFolder(), real);
}

TEST(Paths, BackslashesMapToTheFileSystem) {
    EXPECT_EQ(ToFileSystemPath(u"/opt/qx/skin\\Default\\skin.ini"), "/opt/qx/skin/Default/skin.ini");
    EXPECT_EQ(ToFileSystemPath(u"/opt/栎木/config.ini"), "/opt/\xE6\xA0\x8E\xE6\x9C\xA8/config.ini");
}
