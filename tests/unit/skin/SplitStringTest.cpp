#include <gtest/gtest.h>

#include "platform/base/Strings.h"
#include "skin/SplitString.h"

TEST(SplitString, KeepsEveryPieceBetweenSeparators) {
    struct Case { CString text; WCHAR separator; std::vector<CString> fields; };
    const Case cases[] = {
        {u"a.png,0,0,20,20,R", u',', {u"a.png", u"0", u"0", u"20", u"20", u"R"}},
        {u"abc", u',', {u"abc"}},
        {u"", u',', {u""}},
        {u",", u',', {u"", u""}},
        {u"a,,b,", u',', {u"a", u"", u"b", u""}},
        {u" a , b ", u',', {u" a ", u" b "}},
        {u"-5", u'-', {u"", u"5"}},
        {u"5-", u'-', {u"5", u""}},
        {u"10-20-30", u'-', {u"10", u"20", u"30"}},
    };
    for (const Case& c : cases) {
        int nCount = -1;
        EXPECT_EQ(SplitString(c.text, c.separator, nCount), c.fields) << qx::WideToUtf8(c.text);
        EXPECT_EQ(nCount, static_cast<int>(c.fields.size())) << qx::WideToUtf8(c.text);
    }
}
