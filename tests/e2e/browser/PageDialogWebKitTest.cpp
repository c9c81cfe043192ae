// The page dialog over a real WebKit page: what a load reports, the pop-up rule with real
// script and a real click, and the history.

#include "tests/e2e/browser/PageDialogE2eTest.h"

#include <glib.h>

#include <optional>

namespace qx::browser::e2e {
namespace {

using test::Notice;

bool HasTool(const char* name) {
    gchar* path = g_find_program_in_path(name);
    g_free(path);
    return path != nullptr;
}

bool RunTool(const std::string& command) {
    gint status = 0;
    return g_spawn_command_line_sync(command.c_str(), nullptr, nullptr, &status, nullptr) && status == 0;
}

template <typename Call>
std::optional<COleDispatchException> Raised(Call&& call) {
    try {
        call();
    } catch (const COleDispatchException& e) {
        return e;
    }
    return std::nullopt;
}

TEST_F(PageDialogE2eTest, LoadReportsItsStepsInOrderWithAddressAndTitle) {
    // A page with a picture, as most are: WebKit reads the title of a page with nothing more to
    // load only after it has finished.
    server.AddPage("/a", SimplePage("Page A", "<img src=\"/held.png\">"));
    server.AddHeldPage("/held.png", "", "image/png");
    CQXExplorerControlDlg& page = OpenPage(3);
    const CString url = Url("/a");

    page.m_wndBrowser.Navigate(url.c_str(), nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return Find(PN_TITLECHANGE) >= 0; })) << ::testing::PrintToString(frame->notices);
    EXPECT_TRUE(page.m_wndBrowser.get_Busy());
    server.ReleaseHeld();
    ASSERT_TRUE(PumpUntil([&] { return Saw(PN_LOADCOMPLETE, url); })) << ::testing::PrintToString(frame->notices);

    const int before = Find(PN_BEFORENAVIGATE, &url);
    const int begin = Find(PN_DOWNLOADBEGIN, nullptr, before);
    const int progress = Find(PN_PROGRESSCHANGE, nullptr, begin);
    int title = Find(PN_TITLECHANGE, nullptr, begin);
    while (title >= 0 && frame->notices[title].text != u"Page A") title = Find(PN_TITLECHANGE, nullptr, title + 1);
    const int complete = Find(PN_LOADCOMPLETE, &url);
    const std::string seen = ::testing::PrintToString(frame->notices);
    EXPECT_EQ(before, 0) << seen;
    EXPECT_LT(before, begin) << seen;
    EXPECT_LT(begin, progress) << seen;
    EXPECT_LT(progress, title) << seen;
    EXPECT_LT(title, complete) << seen;
    for (const Notice& n : frame->notices) {
        EXPECT_EQ(n.tabId, 3);
        EXPECT_EQ(n.idFrom, IDC_PAGE_AREA);
        EXPECT_EQ(n.hwndFrom, frame->PageArea());
    }
    EXPECT_EQ(page.m_wndBrowser.get_LocationURL(), url);
    EXPECT_FALSE(page.m_wndBrowser.get_Busy());
}

TEST_F(PageDialogE2eTest, ScriptPopupWhileLoadingIsRefusedAndAClickedOneAfterwardsIsReported) {
    if (!HasTool("xdotool")) GTEST_SKIP() << "xdotool is not installed";
    // The image keeps the page loading until the server lets it go.
    server.AddPage("/opener", SimplePage("Opener",
        "<a href=\"/target\" target=\"_blank\" style=\"display:block;width:400px;height:300px\">open</a>"
        "<script>window.open('/scripted');</script><img src=\"/held.png\">"));
    server.AddHeldPage("/held.png", "", "image/png");
    server.AddPage("/scripted", SimplePage("Scripted"));
    server.AddPage("/target", SimplePage("Target"));
    CQXExplorerControlDlg& page = OpenPage(1);
    // As the main window, minus the new tab: the browser opens no window of its own.
    frame->onNotice = [](NMPAGEEVENT& e) -> LRESULT {
        if (e.hdr.code == PN_NEWWINDOW3 || e.hdr.code == PN_NEWWINDOW2) *e.pbCancel = TRUE;
        return 0;
    };

    page.m_wndBrowser.Navigate(Url("/opener").c_str(), nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(PumpUntil([&] {
        return Find(PN_TITLECHANGE) >= 0 && frame->notices[Find(PN_TITLECHANGE)].text == u"Opener";
    })) << ::testing::PrintToString(frame->notices);
    PumpFor(300);
    EXPECT_TRUE(page.m_wndBrowser.get_Busy());
    EXPECT_EQ(Find(PN_NEWWINDOW3), -1) << "refused on the spot, without a notification";
    EXPECT_EQ(Find(PN_NEWWINDOW2), -1);
    EXPECT_EQ(server.Hits("/scripted"), 0);

    server.ReleaseHeld();
    ASSERT_TRUE(PumpUntil([&] { return Saw(PN_LOADCOMPLETE, Url("/opener")); }));
    ASSERT_TRUE(RunTool("xdotool mousemove 100 100 click 1"));
    ASSERT_TRUE(PumpUntil([&] { return Find(PN_NEWWINDOW3) >= 0; })) << ::testing::PrintToString(frame->notices);
    EXPECT_EQ(frame->notices[Find(PN_NEWWINDOW3)].url, Url("/target"));
    EXPECT_EQ(frame->notices[Find(PN_NEWWINDOW3)].tabId, 1);
    EXPECT_EQ(server.Hits("/scripted"), 0);
}

TEST_F(PageDialogE2eTest, BackAndForwardFollowTwoNavigationsAndAFreshControlCannotGoBack) {
    server.AddPage("/one", SimplePage("One"));
    server.AddPage("/two", SimplePage("Two"));
    CQXExplorerControl& browser = OpenPage(1).m_wndBrowser;
    CQXExplorerControl& fresh = OpenPage(2).m_wndBrowser;

    const auto back = Raised([&] { fresh.GoBack(); });
    ASSERT_TRUE(back.has_value()) << "no earlier page";
    EXPECT_TRUE(FAILED(back->m_scError));

    browser.Navigate(Url("/one").c_str(), nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return Saw(PN_LOADCOMPLETE, Url("/one")); }));
    browser.Navigate(Url("/two").c_str(), nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return Saw(PN_LOADCOMPLETE, Url("/two")); }));

    browser.GoBack();
    ASSERT_TRUE(PumpUntil([&] { return browser.get_LocationURL() == Url("/one") && !browser.get_Busy(); }));
    browser.GoForward();
    ASSERT_TRUE(PumpUntil([&] { return browser.get_LocationURL() == Url("/two") && !browser.get_Busy(); }));
    EXPECT_TRUE(Raised([&] { browser.GoForward(); }).has_value()) << "nothing after the last page";
}

}  // namespace
}  // namespace qx::browser::e2e
