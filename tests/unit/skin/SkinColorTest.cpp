#include <gtest/gtest.h>

#include "platform/base/Strings.h"
#include "skin/SkinColor.h"

TEST(ParseSkinColor, ReadsRRGGBBIntoAColorref) {
    struct Case { CString text; COLORREF expected; };
    const Case cases[] = {
        {u"FF00FF", 0x00FF00FF},
        {u"0B487F", 0x007F480B},
        {u"0x0B487F", 0x007F480B},
        {u"0X0b487f", 0x007F480B},
        {u" \t0B487F", 0x007F480B},
        {u"FF0000", RGB(0xFF, 0, 0)},
        {u"0000FF", RGB(0, 0, 0xFF)},
        {u"0B487Fzz", 0x007F480B},   // stops at the first non-digit
        {u"12FF00FF", 0x00FF00FF},   // bits above 23 are dropped
        {u"FFFFFFFFFF", 0x00FFFFFF}, // saturates at 0x7FFFFFFF
        {u"-1", 0x00FFFFFF},
        {u"", 0},
        {u"zz", 0},
        {u"栎木", 0},
        {u"0x", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseSkinColor(c.text), c.expected) << qx::WideToUtf8(c.text);
}
