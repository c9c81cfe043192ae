#include "platform/backend/headless/web/ManualWebClock.h"
#include "platform/backend/headless/web/ScriptedWebEngine.h"
#include "platform/webcontrol/WebErrorPage.h"
#include "unit/webcontrol/RecordingListener.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

namespace qx::web {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::u16string kA = u"http://a.test/";
const std::u16string kB = u"http://b.test/";
const std::u16string kC = u"http://c.test/";
const std::u16string kD = u"http://d.test/";
const std::u16string kDown = u"http://down.test/";

ScriptedPage Page(std::u16string title, std::uint32_t commitMs = 0, std::uint32_t loadMs = 0) {
    ScriptedPage page;
    page.title = std::move(title);
    page.commitMs = commitMs;
    page.loadMs = loadMs;
    return page;
}

class ScriptedWebEngineTest : public ::testing::Test {
protected:
    ScriptedWebEngineTest() {
        web.AddPage(kA, Page(u"Page A"));
        web.AddPage(kB, Page(u"Page B"));
        web.AddPage(kC, Page(u"Page C"));
        web.AddPage(kD, Page(u"Page D"));
        engine->SetListener(&events);
    }

    // Loads url and lets every event of the load happen.
    void LoadNow(const std::u16string& url) {
        engine->Navigate(url);
        clock.Advance(1000);
    }

    ManualWebClock clock;
    ScriptedWeb web;
    RecordingListener events;
    std::unique_ptr<ScriptedWebEngine> engine = std::make_unique<ScriptedWebEngine>(web, clock);
};

TEST_F(ScriptedWebEngineTest, LoadRaisesItsEventsInTheRealEngineOrderOnTheClock) {
    ScriptedPage page = Page(u"Page A", 10, 30);
    page.progress = {5000};
    web.AddPage(kA, page);

    engine->Navigate(u"a.test/");
    EXPECT_THAT(events.events, IsEmpty()) << "nothing happens inside Navigate";
    EXPECT_FALSE(engine->IsBusy());

    clock.Advance(0);
    EXPECT_THAT(events.events, ElementsAre("BeforeNavigate http://a.test/", "DownloadBegin", "Progress 1000/10000"));
    EXPECT_TRUE(engine->IsBusy());
    EXPECT_EQ(engine->LocationURL(), u"");
    EXPECT_EQ(engine->Title(), std::nullopt);

    events.events.clear();
    clock.Advance(10);
    EXPECT_THAT(events.events, ElementsAre("NavigateComplete http://a.test/", "Title \"Page A\""));
    EXPECT_EQ(engine->LocationURL(), kA);
    EXPECT_EQ(engine->Title(), u"Page A");
    EXPECT_TRUE(engine->IsBusy());

    events.events.clear();
    clock.Advance(20);
    EXPECT_THAT(events.events, ElementsAre("Progress 5000/10000", "Progress 10000/10000", "DownloadComplete",
                                           "DocumentComplete http://a.test/"));
    EXPECT_FALSE(engine->IsBusy());
    EXPECT_THAT(web.Requests(), ElementsAre(kA));
}

TEST_F(ScriptedWebEngineTest, NextDocumentClearsTheOldTitleAndOneWithoutTitleRaisesNone) {
    web.AddPage(kC, Page(u""));
    LoadNow(kA);
    events.events.clear();

    LoadNow(kB);
    EXPECT_THAT(events.WithoutProgress(),
                ElementsAre("BeforeNavigate http://b.test/", "DownloadBegin", "Title \"\"",
                            "NavigateComplete http://b.test/", "Title \"Page B\"", "DownloadComplete",
                            "DocumentComplete http://b.test/"));
    events.events.clear();

    LoadNow(kC);
    EXPECT_THAT(events.WithoutProgress(), ElementsAre("BeforeNavigate http://c.test/", "DownloadBegin", "Title \"\"",
                                                      "NavigateComplete http://c.test/", "DownloadComplete",
                                                      "DocumentComplete http://c.test/"));
    EXPECT_EQ(engine->Title(), u"") << "a document without a title has an empty one, not none";
}

TEST_F(ScriptedWebEngineTest, CancelledNavigationLeavesThePageAsItWas) {
    LoadNow(kA);
    events.onBeforeNavigate = [](const NavigationRequest& request, bool& cancel) { cancel = request.url == kB; };
    events.events.clear();

    LoadNow(kB);
    EXPECT_THAT(events.events, ElementsAre("BeforeNavigate http://b.test/"));
    EXPECT_EQ(engine->LocationURL(), kA);
    EXPECT_EQ(engine->Title(), u"Page A");
    EXPECT_FALSE(engine->IsBusy());
    EXPECT_THAT(engine->History(), ElementsAre(kA));
}

TEST_F(ScriptedWebEngineTest, FailedLoadReportsTheErrorThenShowsTheErrorPageInHistory) {
    LoadNow(kA);
    events.events.clear();

    LoadNow(kDown);
    const std::string errorTitle = "Title \"" + WideToUtf8(kErrorPageTitle) + "\"";
    EXPECT_THAT(events.events,
                ElementsAre("BeforeNavigate http://down.test/", "DownloadBegin", "Progress 1000/10000",
                            "NavigateError http://down.test/ -1", "DownloadComplete",
                            "DownloadBegin", "Progress 1000/10000", "Title \"\"",
                            "NavigateComplete http://down.test/", errorTitle, "Progress 10000/10000", "DownloadComplete",
                            "DocumentComplete http://down.test/"));
    EXPECT_EQ(engine->LocationURL(), kDown);
    EXPECT_THAT(engine->History(), ElementsAre(kA, kDown));
    EXPECT_TRUE(engine->GoBack());
}

TEST_F(ScriptedWebEngineTest, NavigationFromInsideTheErrorReportWinsOverTheErrorPage) {
    events.after = [&](const std::string& line) {
        if (line.rfind("NavigateError", 0) == 0) engine->Navigate(kB);
    };
    LoadNow(kDown);
    EXPECT_EQ(engine->LocationURL(), kB);
    EXPECT_THAT(engine->History(), ElementsAre(kB));
}

TEST_F(ScriptedWebEngineTest, FreshEngineHasNoHistory) {
    EXPECT_FALSE(engine->GoBack());
    EXPECT_FALSE(engine->GoForward());
    engine->Refresh();
    clock.Advance(100);
    EXPECT_THAT(events.events, IsEmpty());
    EXPECT_EQ(engine->Title(), std::nullopt);
    EXPECT_EQ(engine->LocationURL(), u"");
}

TEST_F(ScriptedWebEngineTest, BackAndForwardWalkTheHistoryLikeTheRealOne) {
    LoadNow(kA);
    LoadNow(kB);
    EXPECT_FALSE(engine->GoForward());
    events.events.clear();

    ASSERT_TRUE(engine->GoBack());
    clock.Advance(100);
    EXPECT_EQ(events.events.front(), "BeforeNavigate http://a.test/");
    EXPECT_EQ(engine->LocationURL(), kA);
    EXPECT_EQ(engine->Title(), u"Page A");
    EXPECT_FALSE(engine->GoBack());

    ASSERT_TRUE(engine->GoForward());
    clock.Advance(100);
    EXPECT_EQ(engine->LocationURL(), kB);
    EXPECT_THAT(engine->History(), ElementsAre(kA, kB));
    EXPECT_EQ(engine->HistoryIndex(), 1);
}

TEST_F(ScriptedWebEngineTest, NewPageAfterGoingBackDropsTheForwardEntries) {
    LoadNow(kA);
    LoadNow(kB);
    LoadNow(kC);
    engine->GoBack();
    clock.Advance(100);
    engine->GoBack();
    clock.Advance(100);
    EXPECT_EQ(engine->LocationURL(), kA);

    LoadNow(kD);
    EXPECT_THAT(engine->History(), ElementsAre(kA, kD));
    EXPECT_FALSE(engine->GoForward());
}

TEST_F(ScriptedWebEngineTest, ReloadAndTheSameAddressAgainAddNoEntry) {
    LoadNow(kA);
    LoadNow(kB);
    LoadNow(kB);
    engine->Refresh();
    clock.Advance(100);
    EXPECT_THAT(engine->History(), ElementsAre(kA, kB));
    EXPECT_EQ(engine->HistoryIndex(), 1);
}

TEST_F(ScriptedWebEngineTest, RefreshReloadsTheShownPageThroughBeforeNavigate) {
    LoadNow(kA);
    events.events.clear();
    engine->Refresh();
    clock.Advance(100);
    EXPECT_THAT(events.WithoutProgress(),
                ElementsAre("BeforeNavigate http://a.test/", "DownloadBegin", "Title \"\"",
                            "NavigateComplete http://a.test/", "Title \"Page A\"", "DownloadComplete",
                            "DocumentComplete http://a.test/"));
}

TEST_F(ScriptedWebEngineTest, StopEndsTheLoadWithoutCompletingTheDocument) {
    web.AddPage(kB, Page(u"Page B", 10, 50));
    LoadNow(kA);

    // Before the document arrives: the old page stays.
    engine->Navigate(kB);
    clock.Advance(5);
    events.events.clear();
    engine->Stop();
    EXPECT_THAT(events.events, ElementsAre("DownloadComplete"));
    EXPECT_FALSE(engine->IsBusy());
    EXPECT_EQ(engine->LocationURL(), kA);

    // After it arrived: the new page stays, but it never completes.
    engine->Navigate(kB);
    clock.Advance(20);
    events.events.clear();
    engine->Stop();
    clock.Advance(100);
    EXPECT_THAT(events.events, ElementsAre("DownloadComplete"));
    EXPECT_EQ(engine->LocationURL(), kB);
    EXPECT_FALSE(engine->IsBusy());
}

TEST_F(ScriptedWebEngineTest, NewNavigationEndsTheLoadUnderWay) {
    web.AddPage(kA, Page(u"Page A", 0, 50));
    engine->Navigate(kA);
    clock.Advance(10);
    events.events.clear();

    LoadNow(kB);
    EXPECT_THAT(events.WithoutProgress(),
                ElementsAre("BeforeNavigate http://b.test/", "DownloadComplete", "DownloadBegin", "Title \"\"",
                            "NavigateComplete http://b.test/", "Title \"Page B\"", "DownloadComplete",
                            "DocumentComplete http://b.test/"));
}

TEST_F(ScriptedWebEngineTest, PopupsArriveWhileLoadingAndAfterwardsWithTheBusyStateOfTheirMoment) {
    ScriptedPage page = Page(u"Pops", 0, 20);
    page.popups = {{5, u"http://pop.test/early"}, {20, std::nullopt}, {40, u"http://pop.test/late"}};
    web.AddPage(kA, page);
    std::vector<std::string> seen;
    events.onNewWindow3 = [&](const std::u16string& url, bool&, WebEngine*&) {
        seen.push_back(WideToUtf8(url) + (engine->IsBusy() ? " busy" : " idle"));
    };
    events.onNewWindow2 = [&](bool&, WebEngine*&) { seen.push_back(engine->IsBusy() ? "none busy" : "none idle"); };

    LoadNow(kA);
    EXPECT_THAT(seen, ElementsAre("http://pop.test/early busy", "none idle", "http://pop.test/late idle"));
}

TEST_F(ScriptedWebEngineTest, PopupsOfAPageLeftBehindNeverFire) {
    ScriptedPage page = Page(u"Pops");
    page.popups = {{50, u"http://pop.test/"}};
    web.AddPage(kA, page);
    engine->Navigate(kA);
    clock.Advance(10);
    LoadNow(kB);
    EXPECT_THAT(events.events, ::testing::Not(::testing::Contains("NewWindow3 http://pop.test/")));
}

TEST_F(ScriptedWebEngineTest, FreshHostShowsThePopupItsOwnWay) {
    ScriptedWebEngine host(web, clock);
    RecordingListener hostEvents;
    host.SetListener(&hostEvents);
    events.onNewWindow3 = [&](const std::u16string&, bool&, WebEngine*& out) { out = &host; };
    events.onNewWindow2 = [&](bool&, WebEngine*& out) { out = &host; };
    LoadNow(kA);

    // With an address, the new window loads it and asks its own listener first.
    engine->RequestPopup(kB);
    clock.Advance(100);
    EXPECT_EQ(hostEvents.events.front(), "BeforeNavigate http://b.test/");
    EXPECT_EQ(host.LocationURL(), kB);

    // Without one, a fresh window shows an empty document without asking.
    ScriptedWebEngine blank(web, clock);
    RecordingListener blankEvents;
    blank.SetListener(&blankEvents);
    events.onNewWindow2 = [&](bool&, WebEngine*& out) { out = &blank; };
    engine->RequestPopup(std::nullopt);
    clock.Advance(100);
    EXPECT_THAT(blankEvents.WithoutProgress(), ElementsAre("DownloadBegin", "NavigateComplete about:blank",
                                                           "DownloadComplete", "DocumentComplete about:blank"));
}

TEST_F(ScriptedWebEngineTest, HostThatShowedPagesIsSentToTheAddressAndRefusalOpensNothing) {
    ScriptedWebEngine host(web, clock);
    host.Navigate(kC);
    clock.Advance(100);
    LoadNow(kA);

    events.onNewWindow3 = [&](const std::u16string&, bool&, WebEngine*& out) { out = &host; };
    engine->RequestPopup(kB);
    clock.Advance(100);
    EXPECT_EQ(host.LocationURL(), kB);
    EXPECT_THAT(host.History(), ElementsAre(kC, kB));

    events.onNewWindow3 = [&](const std::u16string&, bool& cancel, WebEngine*& out) {
        out = &host;
        cancel = true;
    };
    engine->RequestPopup(kD);
    clock.Advance(100);
    EXPECT_EQ(host.LocationURL(), kB);
}

TEST_F(ScriptedWebEngineTest, CrashedProcessLeavesABlankPageThatRefreshBringsBack) {
    web.AddPage(kB, Page(u"Page B", 0, 50));
    LoadNow(kA);
    engine->Navigate(kB);
    clock.Advance(10);
    events.events.clear();

    engine->CrashWebProcess();
    clock.Advance(100);
    EXPECT_THAT(events.events, ElementsAre("WebProcessTerminated", "Title \"\""));
    EXPECT_FALSE(engine->IsBusy());
    EXPECT_EQ(engine->Title(), std::nullopt);
    EXPECT_EQ(engine->LocationURL(), kB);
    EXPECT_FALSE(engine->ExecCommand(WebCommand::Print));

    engine->Refresh();
    clock.Advance(100);
    EXPECT_EQ(engine->Title(), u"Page B");
    EXPECT_EQ(events.events.back(), "DocumentComplete http://b.test/");
}

// The listener may close the page from inside any event; nothing may touch the engine after.
class DestroyInsideEventTest : public ScriptedWebEngineTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(DestroyInsideEventTest, EngineDestroyedFromInsideAnEventStaysQuiet) {
    ScriptedPage page = Page(u"Page A", 5, 10);
    page.progress = {5000};
    page.popups = {{0, u"http://pop.test/"}, {1, std::nullopt}};
    web.AddPage(kA, page);
    const std::string prefix = GetParam();
    bool destroyed = false;
    events.after = [&](const std::string& line) {
        if (!destroyed && line.rfind(prefix, 0) == 0) {
            destroyed = true;
            engine.reset();
        }
    };
    engine->Navigate(kA);
    clock.Advance(100);
    if (engine) engine->Navigate(kDown);
    clock.Advance(100);
    if (engine) engine->CrashWebProcess();
    clock.Advance(100);
    EXPECT_TRUE(destroyed);
    const std::size_t count = events.events.size();
    clock.Advance(1000);
    EXPECT_EQ(events.events.size(), count);
}

INSTANTIATE_TEST_SUITE_P(Events, DestroyInsideEventTest,
                         ::testing::Values("BeforeNavigate", "DownloadBegin", "Progress 1000", "Progress 5000",
                                           "Progress 10000", "NavigateComplete", "Title", "NewWindow3",
                                           "NewWindow2", "DownloadComplete", "DocumentComplete", "NavigateError",
                                           "WebProcessTerminated"));

TEST_F(ScriptedWebEngineTest, SilentPageShowsNoScriptDialogs) {
    ScriptedPage page = Page(u"Alerts");
    page.alerts = {u"one", u"two"};
    web.AddPage(kA, page);
    LoadNow(kA);
    EXPECT_EQ(engine->AlertsShown(), 2);
    engine->SetSilent(true);
    LoadNow(kB);
    LoadNow(kA);
    EXPECT_EQ(engine->AlertsShown(), 2);
}

TEST_F(ScriptedWebEngineTest, StatusTextFollowsTheLinkUnderThePointer) {
    engine->HoverLink(std::nullopt);
    engine->HoverLink(u"http://a.test/x");
    engine->HoverLink(u"http://a.test/x");
    engine->HoverLink(std::nullopt);
    engine->SetStatusText(std::nullopt);
    EXPECT_THAT(events.events, ElementsAre("Status \"http://a.test/x\"", "Status \"\"", "Status <null>"));
}

TEST_F(ScriptedWebEngineTest, CommandsNeedADocumentExceptFind) {
    EXPECT_FALSE(engine->ExecCommand(WebCommand::SaveAs));
    EXPECT_FALSE(engine->ExecCommand(WebCommand::Print));
    EXPECT_TRUE(engine->ExecCommand(WebCommand::Find));
    LoadNow(kA);
    EXPECT_TRUE(engine->ExecCommand(WebCommand::SaveAs));
    EXPECT_TRUE(engine->ExecCommand(WebCommand::Print));
    EXPECT_THAT(engine->ExecutedCommands(), ElementsAre(WebCommand::Find, WebCommand::SaveAs, WebCommand::Print));
}

}  // namespace
}  // namespace qx::web
