#include <gtest/gtest.h>

#include "platform/base/Strings.h"
#include "settings/StoredTextCodec.h"

TEST(EncodeStoredText, IsStandardBase64OfTheUtf8Bytes) {
    struct Case { std::u16string_view text; std::u16string_view encoded; };
    const Case cases[] = {
        {u"", u""}, {u"f", u"Zg=="}, {u"fo", u"Zm8="}, {u"foo", u"Zm9v"}, {u"foobar", u"Zm9vYmFy"},
        {u"栎木", u"5qCO5pyo"}, {u"\U0001F600", u"8J+YgA=="}, {u"\xFF\xFE?>", u"w7/Dvj8+"},
    };
    for (const Case& c : cases) {
        std::u16string out = u"stale";
        EXPECT_EQ(EncodeStoredText(c.text, out), static_cast<int>(c.encoded.size())) << qx::WideToUtf8(c.text);
        EXPECT_EQ(out, c.encoded) << qx::WideToUtf8(c.text);
    }
}

TEST(StoredTextCodec, RoundTripsAnyText) {
    const std::u16string texts[] = {
        u"https://www.example.com/?q=a+b&c=%20", u"栎木网络 \U0001F600 ÄÖÜ", u"line\nbreak\ttab", u"'\"\\",
        std::u16string(1001, u'x'),
    };
    for (const std::u16string& text : texts) {
        std::u16string encoded;
        std::u16string decoded;
        EncodeStoredText(text, encoded);
        EXPECT_EQ(DecodeStoredText(encoded, decoded), static_cast<int>(qx::WideToUtf8(text).size()));
        EXPECT_EQ(decoded, text);
    }
}

TEST(DecodeStoredText, HandlesDamagedAndUnusualInput) {
    struct Case { const char* what; std::u16string_view input; int nResult; std::u16string_view out; };
    const Case cases[] = {
        {"empty", u"", 0, u""},
        {"one pad", u"Zm8=", 2, u"fo"},
        {"two pads", u"Zg==", 1, u"f"},
        {"padded quartet, then more", u"Zg==Zm8=", 3, u"ffo"},
        {"stops at a line break", u"Zm9v\nYmFy", 3, u"foo"},
        {"stops at a blank", u"Zm9v YmFy", 3, u"foo"},
        {"stops at another character", u"Zm9v!YmFy", 3, u"foo"},
        {"stops at once", u"\nZm9v", 0, u""},
        {"short last quartet", u"Zm9vYmE", -1, u"foo"},
        {"short only quartet", u"Zm", -1, u""},
        {"letter after a pad", u"Zm9vZ=8v", -1, u"foo"},
        {"pad first", u"=Zm9", -1, u""},
        {"three pads", u"Z===", -1, u""},
        {"four pads", u"====", -1, u""},
        {"line break inside a quartet", u"Zm9vYm\nF", -1, u"foo"},
        {"non-alphabet inside a quartet", u"Zm!v", -1, u""},
        {"NUL ends the input", std::u16string_view(u"Zm9v\0YmFy", 9), 3, u"foo"},
        {"decoded NUL ends the text", u"AGZv", 3, u""},
        {"byte after text NUL is dropped", u"ZgBv", 3, u"f"},
        {"invalid UTF-8 bytes", u"/w==", 1, u"\uFFFD"},
        {"wide non-ASCII input", u"Zm9v栎", 3, u"foo"},
    };
    for (const Case& c : cases) {
        std::u16string out = u"stale";
        EXPECT_EQ(DecodeStoredText(c.input, out), c.nResult) << c.what;
        EXPECT_EQ(out, c.out) << c.what;
    }
}
