#include "platform/webcontrol/WebErrorPage.h"

#include "platform/base/Strings.h"

#include <gtest/gtest.h>

namespace qx::web {
namespace {

TEST(WebErrorPage, NamesTheAddressAndTheReason) {
    const std::string page = BuildErrorPage(u"https://example.com/a", u"Unacceptable TLS certificate");
    EXPECT_NE(page.find("https://example.com/a"), std::string::npos);
    EXPECT_NE(page.find("Unacceptable TLS certificate"), std::string::npos);
    EXPECT_NE(page.find("<title>" + WideToUtf8(kErrorPageTitle) + "</title>"), std::string::npos);
}

TEST(WebErrorPage, AnAddressCannotInjectMarkup) {
    const std::string page =
        BuildErrorPage(u"https://x/\"><script>alert(1)</script>&'", u"<b>bad</b>");
    EXPECT_EQ(page.find("<script>"), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    EXPECT_NE(page.find("&quot;&gt;&lt;script&gt;alert(1)&lt;/script&gt;&amp;&#39;"), std::string::npos);
}

}  // namespace
}  // namespace qx::web
