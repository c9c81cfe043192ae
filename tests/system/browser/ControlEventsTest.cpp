// The control between an engine and the page dialog: what an engine reports reaches the main
// window with its request body, frame and headers, and the answers travel back to the engine.

#include "BrowserHostTest.h"

#include "platform/webcontrol/WebEngineFactory.h"

namespace qx::browser::test {
namespace {

using qx::web::NavigationRequest;
using qx::web::WebEngine;
using qx::web::WebEngineListener;

// An engine the test speaks for: it raises what the test says, nothing else.
class StubEngine final : public WebEngine {
public:
    WebEngineListener* listener = nullptr;
    void SetListener(WebEngineListener* l) override { listener = l; }
    void Navigate(std::u16string_view) override {}
    bool GoBack() override { return false; }
    bool GoForward() override { return false; }
    void Stop() override {}
    void Refresh() override {}
    std::u16string LocationURL() const override { return u"http://stub.test/"; }
    std::optional<std::u16string> Title() const override { return std::nullopt; }
    bool IsBusy() const override { return false; }
    bool ExecCommand(qx::web::WebCommand) override { return false; }
    void SetSilent(bool) override {}
    void SetPlacement(const RECT&, bool) override {}
};

class ControlEventsTest : public BrowserHostTest {
protected:
    ControlEventsTest() {
        qx::web::SetWebEngineFactory([this](HWND) {
            auto engine = std::make_unique<StubEngine>();
            stubs.push_back(engine.get());
            return engine;
        });
    }
    std::vector<StubEngine*> stubs;
};

TEST_F(ControlEventsTest, RequestBodyFrameAndHeadersReachTheMainWindowAndItsAnswerTheEngine) {
    OpenPage(5);
    ASSERT_EQ(stubs.size(), 1u);
    frame.onNotice = [](NMPAGEEVENT&) { return 1; };

    const NavigationRequest request{u"http://stub.test/form", u"results", u"Content-Type: text/plain\r\n",
                                    std::vector<std::uint8_t>{'a', '=', '1', 0}};
    bool cancel = false;
    stubs[0]->listener->OnBeforeNavigate(request, cancel);

    EXPECT_TRUE(cancel) << "a non-zero reply cancels";
    ASSERT_EQ(frame.notices.size(), 1u);
    const Notice& n = frame.notices[0];
    EXPECT_EQ(n.code, PN_BEFORENAVIGATE);
    EXPECT_EQ(n.url, u"http://stub.test/form");
    EXPECT_EQ(n.frame, u"results");
    EXPECT_EQ(n.headers, u"Content-Type: text/plain\r\n");
    EXPECT_EQ(n.body, (std::vector<BYTE>{'a', '=', '1', 0}));
    EXPECT_EQ(n.tabId, 5);

    frame.onNotice = nullptr;
    frame.notices.clear();
    const NavigationRequest withoutBody{u"http://stub.test/", {}, {}, std::nullopt};
    stubs[0]->listener->OnBeforeNavigate(withoutBody, cancel);
    EXPECT_FALSE(cancel);
    ASSERT_EQ(frame.notices.size(), 1u);
    EXPECT_FALSE(frame.notices[0].hasBody);
}

TEST_F(ControlEventsTest, NewWindowAnswersReachTheEngine) {
    OpenPage(1);
    CQXExplorerControlDlg& host = OpenPage(2);
    ASSERT_EQ(stubs.size(), 2u);
    frame.onNotice = [&](NMPAGEEVENT& e) -> LRESULT {
        *e.ppDisp = host.m_wndBrowser.get_Application();
        if (e.hdr.code == PN_NEWWINDOW3) *e.pbCancel = TRUE;
        return 0;
    };

    bool cancel = false;
    WebEngine* chosen = nullptr;
    stubs[0]->listener->OnNewWindow2(cancel, chosen);
    EXPECT_FALSE(cancel);
    EXPECT_EQ(chosen, stubs[1]) << "the control named in ppDisp shows the window";

    chosen = nullptr;
    stubs[0]->listener->OnNewWindow3(u"http://pop.test/", cancel, chosen);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(chosen, stubs[1]);
    EXPECT_EQ(frame.notices.back().url, u"http://pop.test/");
}

}  // namespace
}  // namespace qx::browser::test
