#include "tests/e2e/web/WebKitEngineFixture.h"

namespace qx::web {
namespace {

std::u16string W(const std::string& text) { return Utf8ToWide(text); }

// Windows a user would see (not tooltips and the like).
int ToplevelWindows() {
    GList* windows = gtk_window_list_toplevels();
    int count = 0;
    for (GList* w = windows; w; w = w->next) {
        GtkWindow* candidate = GTK_WINDOW(w->data);
        if (gtk_widget_get_visible(GTK_WIDGET(candidate)) && gtk_window_get_window_type(candidate) == GTK_WINDOW_TOPLEVEL) ++count;
    }
    g_list_free(windows);
    return count;
}

TEST_F(WebKitEngineTest, PopupOpenedWhileThePageLoadsArrivesAsNewWindow3WithItsAddress) {
    server.AddPage("/opener", HeldPage("Opener", "<script>window.open('/target');</script>"));
    server.AddHeldPage("/held.png", "", "image/png");
    server.AddPage("/target", SimplePage("Target"));
    std::u16string requested;
    bool busyAtRequest = false;
    events.onNewWindow3 = [&](const std::u16string& url, bool& cancel, WebEngine*&) {
        requested = url;
        busyAtRequest = engine->IsBusy();
        cancel = true;
    };
    const int windowsBefore = ToplevelWindows();

    engine->Navigate(W(Url("/opener")));
    ASSERT_TRUE(WaitFor("NewWindow3 " + Url("/target")));
    EXPECT_EQ(requested, W(Url("/target")));
    EXPECT_TRUE(busyAtRequest);

    server.ReleaseHeld();
    ASSERT_TRUE(WaitFor("DocumentComplete " + Url("/opener")));
    e2e::RunMainContextFor(std::chrono::milliseconds(200));
    EXPECT_EQ(server.Hits("/target"), 0) << "a refused pop-up loads nothing";
    EXPECT_EQ(ToplevelWindows(), windowsBefore) << "and opens no window of its own";
    EXPECT_FALSE(Saw(events, "NewWindow2"));
}

TEST_F(WebKitEngineTest, PopupWithAnAddressIsShownByTheFreshEngineTheListenerSupplies) {
    server.AddPage("/opener", SimplePage("Opener", "<script>window.open('/target');</script>"));
    server.AddPage("/target", SimplePage("Target"));
    RecordingListener hostEvents;
    others.push_back(NewEngine(hostEvents, {0, 0, 400, 300}));
    WebKitEngine* host = others.back().get();
    events.onNewWindow3 = [&](const std::u16string&, bool&, WebEngine*& out) { out = host; };

    engine->Navigate(W(Url("/opener")));
    ASSERT_TRUE(WaitFor("DocumentComplete " + Url("/target"), &hostEvents));
    EXPECT_EQ(hostEvents.events.front(), "BeforeNavigate " + Url("/target"));
    EXPECT_EQ(host->LocationURL(), W(Url("/target")));
    ASSERT_TRUE(e2e::WaitUntil([&] { return host->Title() == u"Target"; }));
    EXPECT_EQ(engine->LocationURL(), W(Url("/opener")));
}

TEST_F(WebKitEngineTest, PopupWithoutAnAddressStaysInTheOpenersHands) {
    // The opener writes into the window it opened, which works only if the host's view is
    // really related to the opener's.
    server.AddPage("/writer", SimplePage("Writer",
        "<script>var w = window.open(); w.document.write('<title>Written</title>'); w.document.close();</script>"));
    RecordingListener hostEvents;
    others.push_back(NewEngine(hostEvents, {0, 0, 400, 300}));
    WebKitEngine* host = others.back().get();
    events.onNewWindow2 = [&](bool&, WebEngine*& out) { out = host; };

    engine->Navigate(W(Url("/writer")));
    ASSERT_TRUE(WaitFor("NewWindow2"));
    EXPECT_FALSE(Saw(events, "NewWindow3 about:blank"));
    ASSERT_TRUE(e2e::WaitUntil([&] { return host->Title() == u"Written"; })) << ::testing::PrintToString(hostEvents.events);
}

TEST_F(WebKitEngineTest, HostThatShowedAPageIsSentToThePopupsAddress) {
    server.AddPage("/opener", SimplePage("Opener", "<script>window.open('/target');</script>"));
    server.AddPage("/target", SimplePage("Target"));
    server.AddPage("/first", SimplePage("First"));
    RecordingListener hostEvents;
    others.push_back(NewEngine(hostEvents, {0, 0, 400, 300}));
    WebKitEngine* host = others.back().get();
    host->Navigate(W(Url("/first")));
    ASSERT_TRUE(WaitFor("DocumentComplete " + Url("/first"), &hostEvents));
    events.onNewWindow3 = [&](const std::u16string&, bool&, WebEngine*& out) { out = host; };

    engine->Navigate(W(Url("/opener")));
    ASSERT_TRUE(WaitFor("DocumentComplete " + Url("/target"), &hostEvents));
    EXPECT_TRUE(host->GoBack()) << "the host keeps its own history";
}

}  // namespace
}  // namespace qx::web
