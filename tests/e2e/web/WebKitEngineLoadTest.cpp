#include "platform/backend/headless/web/ManualWebClock.h"
#include "platform/backend/headless/web/ScriptedWebEngine.h"
#include "platform/webcontrol/WebErrorPage.h"
#include "tests/e2e/web/WebKitEngineFixture.h"

#include <gmock/gmock.h>

#include <arpa/inet.h>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qx::web {
namespace {

using ::testing::ElementsAreArray;

std::u16string W(const std::string& text) { return Utf8ToWide(text); }

// Position of the first event at or after from that starts with prefix, or -1.
int Find(const std::vector<std::string>& events, const std::string& prefix, int from = 0) {
    for (int i = std::max(from, 0); i < static_cast<int>(events.size()); ++i) {
        if (events[i].rfind(prefix, 0) == 0) return i;
    }
    return -1;
}

// A port nothing listens on.
int ClosedPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

TEST_F(WebKitEngineTest, LoadReportsItsEventsInOrderWithAddressAndTitle) {
    server.AddPage("/a", HeldPage("Page A"));
    server.AddHeldPage("/held.png", "", "image/png");
    const std::string url = Url("/a");

    // Without a scheme, as typed into the address box.
    engine->Navigate(W(url.substr(std::string("http://").size())));
    ASSERT_TRUE(WaitFor("Title \"Page A\""));
    EXPECT_TRUE(engine->IsBusy());
    EXPECT_EQ(engine->LocationURL(), W(url));
    EXPECT_EQ(engine->Title(), u"Page A");

    server.ReleaseHeld();
    ASSERT_TRUE(WaitFor("DocumentComplete " + url));
    EXPECT_FALSE(engine->IsBusy());

    const auto& e = events.events;
    const int before = Find(e, "BeforeNavigate " + url);
    const int begin = Find(e, "DownloadBegin");
    const int progress = Find(e, "Progress ");
    const int committed = Find(e, "NavigateComplete " + url);
    const int title = Find(e, "Title \"Page A\"");
    const int downloaded = Find(e, "DownloadComplete");
    const int complete = Find(e, "DocumentComplete " + url);
    EXPECT_EQ(before, 0) << ::testing::PrintToString(e);
    EXPECT_LT(before, begin);
    EXPECT_LT(begin, progress);
    EXPECT_LT(progress, committed);
    EXPECT_LT(committed, title);
    EXPECT_LT(title, downloaded);
    EXPECT_EQ(downloaded + 1, complete);
    EXPECT_EQ(Find(e, "Progress 10000/10000"), downloaded - 1) << "the load ends at full progress";
}

// The scripted engine stands in for this one in the headless tests: both must raise the same
// events for the same page, including a failed one.
TEST_F(WebKitEngineTest, ScriptedEngineRaisesTheSameEventsAsTheRealOne) {
    server.AddPage("/a", HeldPage("Page A"));
    server.AddHeldPage("/held.png", "", "image/png");
    const std::string url = Url("/a");
    const std::string down = "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/down";
    engine->Navigate(W(url));
    ASSERT_TRUE(WaitFor("Title \"Page A\""));
    server.ReleaseHeld();
    ASSERT_TRUE(WaitFor("DocumentComplete " + url));
    engine->Navigate(W(down));
    ASSERT_TRUE(WaitFor("DocumentComplete " + down));

    ManualWebClock clock;
    ScriptedWeb web;
    ScriptedPage page;
    page.title = u"Page A";
    web.AddPage(W(url), page);
    ScriptedWebEngine scripted(web, clock);
    RecordingListener scriptedEvents;
    scripted.SetListener(&scriptedEvents);
    scripted.Navigate(W(url));
    clock.Advance(100);
    scripted.Navigate(W(down));
    clock.Advance(100);

    ASSERT_TRUE(e2e::WaitUntil([&] { return engine->Title() == kErrorPageTitle; }));

    // Error codes are the engines' own. A title is read from the document while it loads, so
    // the real engine may report it before or after the load ends: titles are compared apart.
    auto split = [](const std::vector<std::string>& lines, bool titles) {
        std::vector<std::string> out;
        for (std::string line : lines) {
            if ((line.rfind("Title ", 0) == 0) != titles) continue;
            if (line.rfind("NavigateError ", 0) == 0) line = line.substr(0, line.rfind(' '));
            out.push_back(line);
        }
        return out;
    };
    EXPECT_THAT(split(events.WithoutProgress(), false),
                ElementsAreArray(split(scriptedEvents.WithoutProgress(), false)));
    EXPECT_THAT(split(events.events, true), ElementsAreArray(split(scriptedEvents.events, true)));
}

TEST_F(WebKitEngineTest, BackAndForwardAfterTwoNavigations) {
    EXPECT_FALSE(engine->GoBack());
    EXPECT_FALSE(engine->GoForward());
    EXPECT_EQ(engine->Title(), std::nullopt);
    EXPECT_EQ(engine->LocationURL(), u"");

    server.AddPage("/a", SimplePage("Page A"));
    server.AddPage("/b", SimplePage("Page B"));
    engine->Navigate(W(Url("/a")));
    ASSERT_TRUE(WaitFor("DocumentComplete " + Url("/a")));
    engine->Navigate(W(Url("/b")));
    ASSERT_TRUE(WaitFor("DocumentComplete " + Url("/b")));
    EXPECT_FALSE(engine->GoForward());

    ASSERT_TRUE(engine->GoBack());
    ASSERT_TRUE(WaitFor("DocumentComplete " + Url("/a"), nullptr, 2));
    EXPECT_EQ(engine->LocationURL(), W(Url("/a")));
    EXPECT_EQ(Count(events, "BeforeNavigate " + Url("/a")), 2);
    EXPECT_FALSE(engine->GoBack());

    ASSERT_TRUE(engine->GoForward());
    ASSERT_TRUE(WaitFor("DocumentComplete " + Url("/b"), nullptr, 2));
    EXPECT_EQ(engine->LocationURL(), W(Url("/b")));
    ASSERT_TRUE(e2e::WaitUntil([&] { return engine->Title() == u"Page B"; }));
}

TEST_F(WebKitEngineTest, LocalPathWithBackslashesOpensTheFile) {
    const std::string folder = e2e::ScratchHome() + "/program/config/tools";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/setting.html") << SimplePage("Local page");

    engine->Navigate(W(e2e::ScratchHome() + "/program/config\\tools\\setting.html"));
    const std::string expected = "file://" + folder + "/setting.html";
    ASSERT_TRUE(WaitFor("DocumentComplete " + expected)) << ::testing::PrintToString(events.events);
    ASSERT_TRUE(e2e::WaitUntil([&] { return engine->Title() == u"Local page"; }));
    EXPECT_EQ(engine->LocationURL(), W(expected));
}

TEST_F(WebKitEngineTest, FailedLoadShowsTheErrorPageInTheTab) {
    const std::string down = "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/x";
    engine->Navigate(W(down));
    ASSERT_TRUE(WaitFor("DocumentComplete " + down));
    EXPECT_GE(Find(events.events, "NavigateError " + down), 0);
    EXPECT_LT(Find(events.events, "NavigateError " + down), Find(events.events, "NavigateComplete " + down));
    ASSERT_TRUE(e2e::WaitUntil([&] { return engine->Title() == kErrorPageTitle; }));
    EXPECT_EQ(engine->LocationURL(), W(down));
}

// openssl's test server with a certificate made on the spot: the page must not load silently.
TEST_F(WebKitEngineTest, UntrustedCertificateShowsTheErrorPage) {
    gchar* openssl = g_find_program_in_path("openssl");
    if (!openssl) GTEST_SKIP() << "openssl is not installed";
    g_free(openssl);
    const std::string key = e2e::ScratchHome() + "/key.pem";
    const std::string cert = e2e::ScratchHome() + "/cert.pem";
    const std::string make = "openssl req -x509 -newkey rsa:2048 -nodes -subj /CN=localhost -days 1 -keyout " +
                             key + " -out " + cert + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(make.c_str()), 0);

    const char* argv[] = {"openssl", "s_server", "-accept", "127.0.0.1:0", "-cert", cert.c_str(), "-key",
                          key.c_str(), "-www", nullptr};
    GPid pid = 0;
    gint out = -1;
    ASSERT_TRUE(g_spawn_async_with_pipes(nullptr, const_cast<gchar**>(argv), nullptr,
                                         static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_STDERR_TO_DEV_NULL), nullptr, nullptr, &pid,
                                         nullptr, &out, nullptr, nullptr));
    // It prints "ACCEPT 127.0.0.1:PORT" once it listens.
    std::string printed;
    char c = 0;
    while (printed.find("ACCEPT") == std::string::npos || printed.back() != '\n') {
        if (read(out, &c, 1) != 1) break;
        printed += c;
    }
    const std::size_t colon = printed.rfind(':');
    const std::string url = "https://127.0.0.1:" + printed.substr(colon + 1, printed.size() - colon - 2) + "/";

    engine->Navigate(W(url));
    const bool shown = WaitFor("DocumentComplete " + url);
    kill(pid, SIGTERM);
    g_spawn_close_pid(pid);
    close(out);
    ASSERT_TRUE(shown) << ::testing::PrintToString(events.events);
    EXPECT_GE(Find(events.events, "NavigateError " + url), 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return engine->Title() == kErrorPageTitle; }));
    EXPECT_EQ(engine->LocationURL(), W(url));
}

TEST_F(WebKitEngineTest, PageWhoseProcessDiedReloadsOnRefresh) {
    server.AddPage("/a", SimplePage("Page A"));
    engine->Navigate(W(Url("/a")));
    ASSERT_TRUE(WaitFor("DocumentComplete " + Url("/a")));

    webkit_web_view_terminate_web_process(engine->WebView());
    ASSERT_TRUE(WaitFor("WebProcessTerminated"));
    EXPECT_EQ(engine->Title(), std::nullopt);
    EXPECT_EQ(engine->LocationURL(), W(Url("/a")));

    engine->Refresh();
    ASSERT_TRUE(WaitFor("DocumentComplete " + Url("/a"), nullptr, 2));
    ASSERT_TRUE(e2e::WaitUntil([&] { return engine->Title() == u"Page A"; }));
}

// The page dialog may close its tab from inside any event of the engine.
TEST_F(WebKitEngineTest, EngineDestroyedFromInsideItsEventsLeavesNothingBehind) {
    server.AddPage("/a", SimplePage("Page A"));
    const std::string down = "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/x";
    for (const std::string prefix : {"BeforeNavigate", "DownloadBegin", "Progress", "NavigateComplete", "Title",
                                     "DownloadComplete", "DocumentComplete", "NavigateError"}) {
        SCOPED_TRACE(prefix);
        RecordingListener listener;
        std::unique_ptr<WebKitEngine> doomed = NewEngine(listener);
        bool destroyed = false;
        listener.after = [&](const std::string& line) {
            if (!destroyed && line.rfind(prefix, 0) == 0) {
                destroyed = true;
                doomed.reset();
            }
        };
        doomed->Navigate(W(prefix == "NavigateError" ? down : Url("/a")));
        ASSERT_TRUE(e2e::WaitUntil([&] { return destroyed; }));
        e2e::RunMainContextFor(std::chrono::milliseconds(100));
        GList* children = gtk_container_get_children(GTK_CONTAINER(fixed));
        EXPECT_EQ(g_list_length(children), 1u) << "only the fixture's own engine is left in the window";
        g_list_free(children);
    }
}

}  // namespace
}  // namespace qx::web
