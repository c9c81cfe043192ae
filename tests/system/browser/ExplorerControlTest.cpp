// The operations of CQXExplorerControl on the control's automation object: their effects on the
// page, and the dispatch exception when the control cannot do what is asked.

#include "BrowserHostTest.h"

#include "platform/webcontrol/HtmlDocument2.h"
#include "platform/webcontrol/WebBrowserDispids.h"
#include "platform/webcontrol/WebEngineFactory.h"

namespace qx::browser::test {
namespace {

using qx::web::WebCommand;

class ExplorerControlTest : public BrowserHostTest {
protected:
    ExplorerControlTest() {
        web.AddPage(u"http://one.test/", Page(u"One"));
        web.AddPage(u"http://two.test/", Page(u"Two"));
    }

    // Runs the control's operation and gives the dispatch exception it raised.
    template <typename Call>
    static std::optional<COleDispatchException> Raised(Call&& call) {
        try {
            call();
        } catch (const COleDispatchException& e) {
            return e;
        }
        return std::nullopt;
    }

    static CString TitleOf(IDispatch* document) {
        void* found = nullptr;
        EXPECT_EQ(document->QueryInterface(IID_IHTMLDocument2, &found), S_OK);
        auto* html = static_cast<IHTMLDocument2*>(found);
        BSTR title = nullptr;
        EXPECT_EQ(html->get_title(&title), S_OK);
        CString text = qx::ole::BstrToString(title);
        SysFreeString(title);
        html->Release();
        return text;
    }
};

TEST_F(ExplorerControlTest, GoingBackOrForwardOnAFreshControlRaisesTheDispatchException) {
    CQXExplorerControl& browser = OpenPage(1).m_wndBrowser;

    const auto back = Raised([&] { browser.GoBack(); });
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->m_scError, E_FAIL);
    EXPECT_FALSE(back->GetErrorText().empty());
    EXPECT_TRUE(Raised([&] { browser.GoForward(); }).has_value());
}

TEST_F(ExplorerControlTest, BackAndForwardWalkTheHistoryOfTwoNavigations) {
    CQXExplorerControl& browser = OpenPage(1).m_wndBrowser;
    Navigate(*pages.back(), u"http://one.test/");
    clock.Advance(1000);
    Navigate(*pages.back(), u"http://two.test/");
    clock.Advance(1000);
    ASSERT_EQ(browser.get_LocationURL(), u"http://two.test/");

    browser.GoBack();
    clock.Advance(1000);
    EXPECT_EQ(browser.get_LocationURL(), u"http://one.test/");
    EXPECT_TRUE(Raised([&] { browser.GoBack(); }).has_value()) << "nothing before the first page";

    browser.GoForward();
    clock.Advance(1000);
    EXPECT_EQ(browser.get_LocationURL(), u"http://two.test/");
    EXPECT_TRUE(Raised([&] { browser.GoForward(); }).has_value());
}

TEST_F(ExplorerControlTest, PropertiesDescribeThePageShownNow) {
    CQXExplorerControlDlg& page = OpenPage(1);
    CQXExplorerControl& browser = page.m_wndBrowser;
    EXPECT_EQ(browser.get_Document(), nullptr) << "no document before the first page";
    EXPECT_FALSE(browser.get_Busy());

    Navigate(page, u"http://one.test/");
    clock.Advance(1000);
    Navigate(page, u"http://two.test/");
    clock.Advance(50);
    EXPECT_TRUE(browser.get_Busy());
    EXPECT_EQ(browser.get_LocationURL(), u"http://one.test/") << "the page shown, not the one requested";

    clock.Advance(1000);
    EXPECT_FALSE(browser.get_Busy());
    EXPECT_EQ(browser.get_LocationURL(), u"http://two.test/");
    IDispatch* document = browser.get_Document();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(TitleOf(document), u"Two");
    EngineOf(page).SetDocumentTitle(u"Renamed");
    EXPECT_EQ(TitleOf(document), u"Renamed") << "the document is the live page";

    // The title is also a property of the document's IDispatch.
    DISPPARAMS none;
    VARIANT title;
    EXPECT_EQ(document->Invoke(DISPID_IHTMLDOCUMENT2_TITLE, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &title, nullptr,
                               nullptr),
              S_OK);
    EXPECT_EQ(title.vt, VT_BSTR);
    EXPECT_EQ(qx::ole::BstrToString(title.bstrVal), u"Renamed");
    VariantClear(&title);
    document->Release();
}

TEST_F(ExplorerControlTest, ApplicationIsTheControlsOwnAutomationObject) {
    CQXExplorerControl& browser = OpenPage(1).m_wndBrowser;
    IDispatch* application = browser.get_Application();
    EXPECT_EQ(application, browser.GetControlDispatch());
    application->Release();
}

TEST_F(ExplorerControlTest, CommandsRunThePagesOwnUserInterface) {
    CQXExplorerControlDlg& page = OpenPage(1);
    CQXExplorerControl& browser = page.m_wndBrowser;
    const auto saveAs = Raised([&] { browser.ExecWB(OLECMDID_SAVEAS, OLECMDEXECOPT_DODEFAULT, nullptr, nullptr); });
    ASSERT_TRUE(saveAs.has_value()) << "nothing to save yet";
    EXPECT_EQ(saveAs->m_scError, OLECMDERR_E_DISABLED);

    Navigate(page, u"http://one.test/");
    clock.Advance(1000);
    browser.ExecWB(OLECMDID_SAVEAS, OLECMDEXECOPT_DODEFAULT, nullptr, nullptr);
    browser.ExecWB(OLECMDID_FIND, OLECMDEXECOPT_DODEFAULT, nullptr, nullptr);
    browser.ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_DODEFAULT, nullptr, nullptr);
    EXPECT_EQ(EngineOf(page).ExecutedCommands(),
              (std::vector<WebCommand>{WebCommand::SaveAs, WebCommand::Find, WebCommand::Print}));

    const auto unknown = Raised([&] { browser.ExecWB(99, OLECMDEXECOPT_DODEFAULT, nullptr, nullptr); });
    ASSERT_TRUE(unknown.has_value());
    EXPECT_EQ(unknown->m_scError, OLECMDERR_E_NOTSUPPORTED);
}

TEST_F(ExplorerControlTest, StopEndsTheLoadAndRefreshLoadsAgain) {
    CQXExplorerControlDlg& page = OpenPage(1);
    Navigate(page, u"http://one.test/");
    clock.Advance(150);
    frame.notices.clear();

    page.m_wndBrowser.Stop();
    EXPECT_FALSE(page.m_wndBrowser.get_Busy());
    ASSERT_EQ(frame.Codes(), std::vector<UINT>{PN_LOADCOMPLETE});
    EXPECT_EQ(frame.notices[0].url, u"") << "a stopped load has no complete document";

    page.m_wndBrowser.Refresh();
    clock.Advance(1000);
    EXPECT_EQ(web.Requests(), (std::vector<std::u16string>{u"http://one.test/", u"http://one.test/"}));
}

TEST_F(ExplorerControlTest, ControlMadeInCodeWorksLikeTheTemplatesOne) {
    CQXExplorerControl browser;
    ASSERT_TRUE(browser.Create(nullptr, u"", WS_CHILD | WS_VISIBLE, RECT{0, 0, 300, 200}, &frame, 2000));
    browser.Navigate(u"http://one.test/", nullptr, nullptr, nullptr, nullptr);
    clock.Advance(1000);
    EXPECT_EQ(browser.get_LocationURL(), u"http://one.test/");
}

TEST_F(ExplorerControlTest, CallsOnAControlThatIsGoneFailWithoutHarm) {
    CQXExplorerControlDlg& page = OpenPage(1);
    Navigate(page, u"http://one.test/");
    clock.Advance(1000);
    IDispatch* application = page.m_wndBrowser.get_Application();
    IDispatch* document = page.m_wndBrowser.get_Document();
    page.m_wndBrowser.DestroyWindow();

    EXPECT_TRUE(Raised([&] { page.m_wndBrowser.get_LocationURL(); }).has_value());
    DISPPARAMS none;
    const HRESULT hr = application->Invoke(DISPID_GOBACK, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
    EXPECT_TRUE(FAILED(hr));
    void* html = nullptr;
    ASSERT_EQ(document->QueryInterface(IID_IHTMLDocument2, &html), S_OK);
    BSTR title = nullptr;
    EXPECT_TRUE(FAILED(static_cast<IHTMLDocument2*>(html)->get_title(&title)));
    static_cast<IHTMLDocument2*>(html)->Release();
    document->Release();
    application->Release();

    CQXExplorerControl unbound;
    EXPECT_TRUE(Raised([&] { unbound.Refresh(); }).has_value());
}

TEST_F(ExplorerControlTest, AutomationRefusesCallsItDoesNotKnow) {
    CQXExplorerControl& browser = OpenPage(1).m_wndBrowser;
    IDispatch* control = browser.GetControlDispatch();
    VARIANT number;
    number.vt = VT_I4;
    number.lVal = 5;
    DISPPARAMS oneNumber{&number, nullptr, 1, 0};
    DISPPARAMS none;
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS namedPut{&number, &put, 1, 1};
    struct Call {
        const char* name;
        DISPID dispid;
        WORD kind;
        DISPPARAMS* params;
        HRESULT expected;
    } calls[] = {
        {"unknown member", 9999, DISPATCH_METHOD, &none, DISP_E_MEMBERNOTFOUND},
        {"a property called as a method", DISPID_LOCATIONURL, DISPATCH_METHOD, &none, DISP_E_MEMBERNOTFOUND},
        {"too many arguments", DISPID_GOBACK, DISPATCH_METHOD, &oneNumber, DISP_E_BADPARAMCOUNT},
        {"too few arguments", DISPID_NAVIGATE, DISPATCH_METHOD, &none, DISP_E_BADPARAMCOUNT},
        {"an address that is a number", DISPID_NAVIGATE, DISPATCH_METHOD, &oneNumber, DISP_E_TYPEMISMATCH},
        {"a put without its named argument", DISPID_SILENT, DISPATCH_PROPERTYPUT, &oneNumber, DISP_E_PARAMNOTFOUND},
        {"a put", DISPID_SILENT, DISPATCH_PROPERTYPUT, &namedPut, S_OK},
    };
    for (const Call& c : calls) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(control->Invoke(c.dispid, IID_NULL, 0, c.kind, c.params, nullptr, nullptr, nullptr), c.expected);
    }
}

TEST_F(ExplorerControlTest, WithoutAnEngineThePageHasNoControlAndCallsRaise) {
    qx::web::SetWebEngineFactory(nullptr);
    CQXExplorerControlDlg page;
    page.m_nNotifyId = IDC_PAGE_AREA;
    ASSERT_TRUE(page.Create(CQXExplorerControlDlg::IDD, &frame));
    page.MoveWindow(0, 0, 100, 100);

    EXPECT_EQ(page.m_wndBrowser.m_hWnd, nullptr);
    EXPECT_TRUE(Raised([&] { page.m_wndBrowser.put_Silent(TRUE); }).has_value());
}

}  // namespace
}  // namespace qx::browser::test
