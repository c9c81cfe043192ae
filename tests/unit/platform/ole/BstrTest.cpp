#include <gtest/gtest.h>

#include <cstring>

#include "platform/ole/Bstr.h"

TEST(Bstr, CarriesItsLengthBeforeTheTextAndAZeroAfterIt) {
    BSTR s = SysAllocString(u"栎木 web");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(SysStringLen(s), 6u);
    EXPECT_EQ(SysStringByteLen(s), 12u);
    std::uint32_t prefix = 0;
    std::memcpy(&prefix, reinterpret_cast<char*>(s) - 4, 4);
    EXPECT_EQ(prefix, 12u);
    EXPECT_EQ(s[6], 0);
    EXPECT_EQ(std::u16string(s), u"栎木 web");
    SysFreeString(s);
}

TEST(Bstr, LengthFormKeepsEmbeddedZerosAndNullTextGivesZeros) {
    const char16_t text[] = {u'a', 0, u'b'};
    BSTR s = SysAllocStringLen(text, 3);
    EXPECT_EQ(SysStringLen(s), 3u);
    EXPECT_EQ(qx::ole::BstrToString(s), std::u16string(text, 3));
    SysFreeString(s);

    BSTR blank = SysAllocStringLen(nullptr, 4);
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(SysStringLen(blank), 4u);
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(blank[i], 0);
    SysFreeString(blank);
}

TEST(Bstr, NullIsTheEmptyString) {
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);
    EXPECT_EQ(qx::ole::BstrToString(nullptr), u"");
    BSTR empty = SysAllocString(u"");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(SysStringLen(empty), 0u);
    SysFreeString(empty);
}
