#include "platform/webcontrol/WebAddress.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace qx::web {
namespace {

struct AddressCase {
    std::u16string address;
    std::u16string expected;
};

class WebAddressTest : public ::testing::TestWithParam<AddressCase> {};

// The file system of these cases: a program folder with one tool page, plus a file whose
// name really contains backslashes.
bool FakeExists(const std::string& path) {
    static const std::set<std::string> files = {
        "/opt/qx/config/tools/setting.html",
        "/srv/odd\\name.html",
    };
    return files.count(path) > 0;
}

TEST_P(WebAddressTest, MapsAsNavigateExpects) {
    EXPECT_EQ(MapWebAddress(GetParam().address, FakeExists), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Addresses, WebAddressTest, ::testing::Values(
    // Local paths, as the program joins them after its folder.
    AddressCase{u"/opt/qx/config\\tools\\setting.html", u"file:///opt/qx/config/tools/setting.html"},
    AddressCase{u"/opt/qx/config/tools/setting.html", u"file:///opt/qx/config/tools/setting.html"},
    AddressCase{u"/srv/odd\\name.html", u"file:///srv/odd%5Cname.html"},
    AddressCase{u"/missing\\page.html", u"file:///missing/page.html"},
    AddressCase{u"/tmp/a b#c?d%e.html", u"file:///tmp/a%20b%23c%3Fd%25e.html"},
    AddressCase{u"/tmp/\u8bbe\u7f6e.html", u"file:///tmp/%E8%AE%BE%E7%BD%AE.html"},
    // Without a scheme.
    AddressCase{u"www.example.com", u"http://www.example.com"},
    AddressCase{u"www.example.com/s?wd=a b", u"http://www.example.com/s?wd=a b"},
    AddressCase{u"localhost:8080/a", u"http://localhost:8080/a"},
    AddressCase{u"localhost:8080", u"http://localhost:8080"},
    AddressCase{u"127.0.0.1:8765/b", u"http://127.0.0.1:8765/b"},
    AddressCase{u"localhost", u"http://localhost"},
    AddressCase{u"//cdn.example.com/x", u"http://cdn.example.com/x"},
    // With a scheme: unchanged.
    AddressCase{u"https://example.com/", u"https://example.com/"},
    AddressCase{u"HTTP://EXAMPLE.COM", u"HTTP://EXAMPLE.COM"},
    AddressCase{u"file:///etc/hosts", u"file:///etc/hosts"},
    AddressCase{u"about:blank", u"about:blank"},
    AddressCase{u"mailto:someone@example.com", u"mailto:someone@example.com"},
    AddressCase{u"view-source:http://a/", u"view-source:http://a/"},
    // Surrounding white space and nothing at all.
    AddressCase{u"  www.example.com \t", u"http://www.example.com"},
    AddressCase{u"", u"about:blank"},
    AddressCase{u"   ", u"about:blank"}));

TEST(WebAddressFileSystem, MapsAnExistingFileOfTheRealFileSystem) {
    EXPECT_EQ(MapWebAddress(u"/etc\\hostname"), u"file:///etc/hostname");
}

}  // namespace
}  // namespace qx::web
