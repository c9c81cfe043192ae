// New windows: a page's pop-up while it loads is refused by the page dialog itself; afterwards
// the main window gets the request, and the control it names in ppDisp shows the new window.

#include "BrowserHostTest.h"

#include "platform/webcontrol/EventArguments.h"
#include "platform/webcontrol/WebBrowserDispids.h"

#include <algorithm>

namespace qx::browser::test {
namespace {

constexpr const char16_t* kOpener = u"http://a.test/";
constexpr const char16_t* kPopup = u"http://pop.test/";

// An object that is no web browser control, counting its references.
class ForeignObject final : public IDispatch {
public:
    ULONG refs = 1;
    HRESULT QueryInterface(REFIID riid, void** object) override {
        *object = nullptr;
        if (riid != IID_IUnknown && riid != IID_IDispatch) return E_NOINTERFACE;
        *object = this;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
};

class PopupRuleTest : public BrowserHostTest {
protected:
    // The opener loads from 0 to 300 ms and asks for a window at atMs.
    void AddOpener(std::uint32_t atMs, std::optional<std::u16string> url) {
        auto opener = Page(u"Opener");
        opener.popups.push_back({atMs, std::move(url)});
        web.AddPage(kOpener, opener);
        web.AddPage(kPopup, Page(u"Popup"));
    }
    int Count(UINT code) const {
        return static_cast<int>(std::count_if(frame.notices.begin(), frame.notices.end(),
                                              [&](const Notice& n) { return n.code == code; }));
    }
};

TEST_F(PopupRuleTest, PopupOpenedWhileThePageLoadsIsRefusedWithoutANotification) {
    AddOpener(200, kPopup);
    CQXExplorerControlDlg& page = OpenPage(1);

    Navigate(page, kOpener);
    clock.Advance(1000);

    EXPECT_EQ(Count(PN_NEWWINDOW3), 0) << ::testing::PrintToString(frame.notices);
    EXPECT_EQ(web.Requests(), std::vector<std::u16string>{kOpener}) << "nothing loads the pop-up";
    EXPECT_EQ(pages.size(), 1u);
}

TEST_F(PopupRuleTest, RefusalWhileBusySetsCancel) {
    web.AddPage(kOpener, Page(u"Opener"));
    CQXExplorerControlDlg& page = OpenPage(1);
    Navigate(page, kOpener);
    clock.Advance(150);
    ASSERT_TRUE(page.m_wndBrowser.get_Busy());
    frame.notices.clear();

    qx::web::EventArguments args;
    IDispatch* newWindow = nullptr;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    args.AddDispatchRef(newWindow);
    args.AddBoolRef(cancel);
    args.AddUi4(0);
    args.AddText(kOpener);
    args.AddText(kPopup);
    EXPECT_EQ(page.OnEvent(IDC_EXPLORER, DISPID_NEWWINDOW3, args.Params()), S_OK);

    EXPECT_NE(cancel, VARIANT_FALSE);
    EXPECT_EQ(newWindow, nullptr);
    EXPECT_TRUE(frame.notices.empty());
}

TEST_F(PopupRuleTest, PopupAfterTheLoadOpensInTheTabTheMainWindowMakes) {
    AddOpener(600, kPopup);
    CQXExplorerControlDlg& page = OpenPage(1);
    CQXExplorerControlDlg* opened = nullptr;
    // As the main window does: a new tab, navigated to the address, handed back, the browser's
    // own window cancelled.
    frame.onNotice = [&](NMPAGEEVENT& e) -> LRESULT {
        if (e.hdr.code != PN_NEWWINDOW3) return 0;
        opened = &OpenPage(2);
        opened->m_wndBrowser.Navigate(e.strUrl.c_str(), nullptr, nullptr, nullptr, nullptr);
        *e.ppDisp = opened->m_wndBrowser.get_Application();
        *e.pbCancel = TRUE;
        return 0;
    };

    Navigate(page, kOpener);
    clock.Advance(2000);

    ASSERT_EQ(Count(PN_NEWWINDOW3), 1) << ::testing::PrintToString(frame.notices);
    const Notice& request = *std::find_if(frame.notices.begin(), frame.notices.end(),
                                          [](const Notice& n) { return n.code == PN_NEWWINDOW3; });
    EXPECT_EQ(request.url, kPopup);
    EXPECT_EQ(request.tabId, 1);
    EXPECT_TRUE(request.hasNewWindowPointers);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->m_wndBrowser.get_LocationURL(), kPopup);
    EXPECT_EQ(page.m_wndBrowser.get_LocationURL(), kOpener);
    EXPECT_EQ(std::count(web.Requests().begin(), web.Requests().end(), kPopup), 1) << "opened once, in the new tab";
}

TEST_F(PopupRuleTest, WindowWithoutAnAddressIsShownByTheControlTheReceiverNames) {
    AddOpener(600, std::nullopt);
    CQXExplorerControlDlg& page = OpenPage(1);
    CQXExplorerControlDlg* opened = nullptr;
    frame.onNotice = [&](NMPAGEEVENT& e) -> LRESULT {
        if (e.hdr.code != PN_NEWWINDOW2) return 0;
        opened = &OpenPage(2);
        *e.ppDisp = opened->m_wndBrowser.get_Application();
        return 0;
    };

    Navigate(page, kOpener);
    clock.Advance(2000);

    ASSERT_EQ(Count(PN_NEWWINDOW2), 1);
    ASSERT_NE(opened, nullptr);
    // The new tab's engine became the page's new window: it loads a blank document of its own.
    EXPECT_EQ(EngineOf(*opened).LocationURL(), u"about:blank");
    const bool newTabReported = std::any_of(frame.notices.begin(), frame.notices.end(), [](const Notice& n) {
        return n.tabId == 2 && n.code == PN_LOADCOMPLETE && n.url == u"about:blank";
    });
    EXPECT_TRUE(newTabReported) << ::testing::PrintToString(frame.notices);
    EXPECT_EQ(page.m_wndBrowser.get_LocationURL(), kOpener);
}

TEST_F(PopupRuleTest, ObjectsThatAreNoControlAreRefusedAndReleased) {
    AddOpener(600, kPopup);
    CQXExplorerControlDlg& page = OpenPage(1);
    ForeignObject foreign;
    frame.onNotice = [&](NMPAGEEVENT& e) -> LRESULT {
        if (e.hdr.code != PN_NEWWINDOW3) return 0;
        foreign.AddRef();
        *e.ppDisp = &foreign;
        return 0;
    };

    Navigate(page, kOpener);
    clock.Advance(2000);

    EXPECT_EQ(Count(PN_NEWWINDOW3), 1);
    EXPECT_EQ(foreign.refs, 1u) << "the reference handed over is released";
    EXPECT_EQ(std::count(web.Requests().begin(), web.Requests().end(), kPopup), 0);
}

}  // namespace
}  // namespace qx::browser::test
