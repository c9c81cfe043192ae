// Every browser event of the page dialog's table, and the notification it becomes: first as a
// real load raises them, then one row at a time with the arguments a control may pass.

#include "BrowserHostTest.h"

#include "platform/webcontrol/EventArguments.h"
#include "platform/webcontrol/WebBrowserDispids.h"

#include <cstring>
#include <optional>

namespace qx::browser::test {
namespace {

using qx::web::EventArguments;

TEST_F(BrowserHostTest, LoadReportsEveryStepToTheMainWindowInOrder) {
    web.AddPage(u"http://a.test/", [&] {
        auto p = Page(u"Page A");
        p.progress = {5000};
        return p;
    }());
    CQXExplorerControlDlg& page = OpenPage(7);

    Navigate(page, u"http://a.test/");
    clock.Advance(1000);

    struct Expected {
        UINT code;
        const char16_t* url;
        const char16_t* text;
        int progress;
    };
    const Expected expected[] = {
        {PN_BEFORENAVIGATE, u"http://a.test/", u"", 0},
        {PN_DOWNLOADBEGIN, u"", u"", 0},
        {PN_PROGRESSCHANGE, u"", u"", 1000},
        {PN_NAVIGATECOMPLETE, u"http://a.test/", u"", 0},
        {PN_TITLECHANGE, u"", u"Page A", 0},
        {PN_PROGRESSCHANGE, u"", u"", 5000},
        {PN_PROGRESSCHANGE, u"", u"", 10000},
        {PN_LOADCOMPLETE, u"", u"", 0},                // the download ends: no address
        {PN_LOADCOMPLETE, u"http://a.test/", u"", 0},  // the document is complete
    };
    ASSERT_EQ(frame.notices.size(), std::size(expected)) << ::testing::PrintToString(frame.notices);
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Notice& n = frame.notices[i];
        SCOPED_TRACE(::testing::PrintToString(n));
        EXPECT_EQ(n.code, expected[i].code);
        EXPECT_EQ(n.url, expected[i].url);
        EXPECT_EQ(n.text, expected[i].text);
        EXPECT_EQ(n.progress, expected[i].progress);
        EXPECT_EQ(n.progressMax, expected[i].progress ? 10000 : 0);
        EXPECT_EQ(n.tabId, 7);
        EXPECT_EQ(n.idFrom, IDC_PAGE_AREA);
        EXPECT_EQ(n.hwndFrom, frame.PageArea());
        EXPECT_FALSE(n.hasBody);
        EXPECT_FALSE(n.hasNewWindowPointers);
    }
}

TEST_F(BrowserHostTest, StatusAndTitleChangesOfTheShownPageAreReported) {
    web.AddPage(u"http://a.test/", Page(u"A"));
    CQXExplorerControlDlg& page = OpenPage(3);
    Navigate(page, u"http://a.test/");
    clock.Advance(1000);
    frame.notices.clear();
    qx::web::ScriptedWebEngine& engine = EngineOf(page);

    engine.HoverLink(u"http://a.test/next");
    engine.HoverLink(std::nullopt);       // off the link: an empty text
    engine.SetStatusText(std::nullopt);   // no text at all: nothing
    engine.SetDocumentTitle(std::nullopt);

    ASSERT_EQ(frame.Codes(), (std::vector<UINT>{PN_STATUSTEXTCHANGE, PN_STATUSTEXTCHANGE, PN_TITLECHANGE}));
    EXPECT_EQ(frame.notices[0].text, u"http://a.test/next");
    EXPECT_EQ(frame.notices[1].text, u"");
    EXPECT_EQ(frame.notices[2].text, u"") << "a null title is reported as an empty one";
    for (const Notice& n : frame.notices) EXPECT_EQ(n.tabId, 3);
}

// The targets that by-reference arguments point at, kept beside the arguments.
struct Fired {
    EventArguments args;
    VARIANT refs[6];
    VARIANT inner;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    IDispatch* newWindow = nullptr;
};

VARIANT I4(LONG n) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = n;
    return v;
}

// BeforeNavigate2 with the given URL variant, frame "top", no body and one header line.
void BeforeNavigate(Fired& f, VARIANT url) {
    f.refs[0] = url;
    f.refs[1] = I4(0);
    f.refs[2] = f.args.TextVariant(u"top");
    f.refs[3].vt = VT_VARIANT | VT_BYREF;
    f.refs[3].pvarVal = &f.inner;
    f.refs[4] = f.args.TextVariant(u"Referer: http://a.test/\r\n");
    f.args.AddDispatch(nullptr);
    for (int i = 0; i < 5; ++i) f.args.AddVariantRef(f.refs[i]);
    f.args.AddBoolRef(f.cancel);
}

void WithUrl(Fired& f, VARIANT url) {
    f.refs[0] = url;
    f.args.AddDispatch(nullptr);
    f.args.AddVariantRef(f.refs[0]);
}

struct EventRow {
    const char* name;
    DISPID dispid;
    std::function<void(Fired&)> build;
    std::optional<UINT> code;  // nullopt: nothing is sent
    const char16_t* url = u"";
    const char16_t* text = u"";
    const char16_t* frame = u"";
    const char16_t* headers = u"";
    int progress = 0;
    int progressMax = 0;
    bool newWindowPointers = false;
};

TEST_F(BrowserHostTest, EachEventOfTheTableBecomesItsNotification) {
    CQXExplorerControlDlg& page = OpenPage(12);
    const EventRow rows[] = {
        {"BeforeNavigate2", DISPID_BEFORENAVIGATE2,
         [](Fired& f) { BeforeNavigate(f, f.args.TextVariant(u"http://a.test/")); },
         PN_BEFORENAVIGATE, u"http://a.test/", u"", u"top", u"Referer: http://a.test/\r\n"},
        {"BeforeNavigate2, URL not a string", DISPID_BEFORENAVIGATE2, [](Fired& f) { BeforeNavigate(f, I4(42)); },
         PN_BEFORENAVIGATE, u"", u"", u"top", u"Referer: http://a.test/\r\n"},
        {"BeforeNavigate2, URL with a zero inside", DISPID_BEFORENAVIGATE2,
         [](Fired& f) { BeforeNavigate(f, f.args.TextVariant(std::u16string(u"http://a\0.test/", 15))); },
         PN_BEFORENAVIGATE, u"http://a", u"", u"top", u"Referer: http://a.test/\r\n"},
        {"DownloadBegin", DISPID_DOWNLOADBEGIN, [](Fired&) {}, PN_DOWNLOADBEGIN},
        {"DownloadComplete", DISPID_DOWNLOADCOMPLETE, [](Fired&) {}, PN_LOADCOMPLETE},
        {"DocumentComplete", DISPID_DOCUMENTCOMPLETE,
         [](Fired& f) { WithUrl(f, f.args.TextVariant(u"http://d.test/")); },
         PN_LOADCOMPLETE, u"http://d.test/"},
        {"NavigateComplete2", DISPID_NAVIGATECOMPLETE2,
         [](Fired& f) { WithUrl(f, f.args.TextVariant(u"http://n.test/")); }, PN_NAVIGATECOMPLETE, u"http://n.test/"},
        {"NavigateComplete2, URL empty", DISPID_NAVIGATECOMPLETE2, [](Fired& f) { WithUrl(f, VARIANT()); },
         PN_NAVIGATECOMPLETE, u""},
        {"NewWindow2", DISPID_NEWWINDOW2,
         [](Fired& f) {
             f.args.AddDispatchRef(f.newWindow);
             f.args.AddBoolRef(f.cancel);
         },
         PN_NEWWINDOW2, u"", u"", u"", u"", 0, 0, true},
        {"NewWindow3", DISPID_NEWWINDOW3,
         [](Fired& f) {
             f.args.AddDispatchRef(f.newWindow);
             f.args.AddBoolRef(f.cancel);
             f.args.AddUi4(6);
             f.args.AddText(u"http://a.test/");
             f.args.AddText(u"http://pop.test/\u4e2d");
         },
         PN_NEWWINDOW3, u"http://pop.test/\u4e2d", u"", u"", u"", 0, 0, true},
        {"ProgressChange", DISPID_PROGRESSCHANGE,
         [](Fired& f) {
             f.args.AddI4(-1);
             f.args.AddI4(0);
         },
         PN_PROGRESSCHANGE, u"", u"", u"", u"", -1, 0},
        {"StatusTextChange", DISPID_STATUSTEXTCHANGE, [](Fired& f) { f.args.AddText(u"Done"); }, PN_STATUSTEXTCHANGE,
         u"", u"Done"},
        {"StatusTextChange, empty", DISPID_STATUSTEXTCHANGE, [](Fired& f) { f.args.AddText(u""); },
         PN_STATUSTEXTCHANGE, u"", u""},
        {"StatusTextChange, null", DISPID_STATUSTEXTCHANGE, [](Fired& f) { f.args.AddText(std::nullopt); },
         std::nullopt},
        {"TitleChange", DISPID_TITLECHANGE, [](Fired& f) { f.args.AddText(u"\u6807\u9898"); }, PN_TITLECHANGE, u"",
         u"\u6807\u9898"},
        {"TitleChange, null", DISPID_TITLECHANGE, [](Fired& f) { f.args.AddText(std::nullopt); }, PN_TITLECHANGE, u"",
         u""},
    };
    for (const EventRow& row : rows) {
        SCOPED_TRACE(row.name);
        frame.notices.clear();
        Fired f;
        row.build(f);
        EXPECT_EQ(page.OnEvent(IDC_EXPLORER, row.dispid, f.args.Params()), S_OK);
        if (!row.code) {
            EXPECT_TRUE(frame.notices.empty()) << ::testing::PrintToString(frame.notices);
            continue;
        }
        ASSERT_EQ(frame.notices.size(), 1u);
        const Notice& n = frame.notices[0];
        EXPECT_EQ(n.code, *row.code);
        EXPECT_EQ(n.url, row.url);
        EXPECT_EQ(n.text, row.text);
        EXPECT_EQ(n.frame, row.frame);
        EXPECT_EQ(n.headers, row.headers);
        EXPECT_EQ(n.progress, row.progress);
        EXPECT_EQ(n.progressMax, row.progressMax);
        EXPECT_EQ(n.hasNewWindowPointers, row.newWindowPointers);
        EXPECT_FALSE(n.hasBody);
        EXPECT_EQ(n.tabId, 12);
        EXPECT_EQ(n.idFrom, IDC_PAGE_AREA);
        EXPECT_EQ(n.hwndFrom, frame.PageArea());
        EXPECT_EQ(f.cancel, VARIANT_FALSE) << "only a reply or the pop-up rule cancels";
    }
}

TEST_F(BrowserHostTest, ReplyToBeforeNavigateDecidesTheCancelFlag) {
    CQXExplorerControlDlg& page = OpenPage(1);
    for (const LRESULT reply : {LRESULT{0}, LRESULT{1}, LRESULT{-5}}) {
        frame.onNotice = [&](NMPAGEEVENT&) { return reply; };
        Fired f;
        BeforeNavigate(f, f.args.TextVariant(u"http://a.test/"));
        f.cancel = VARIANT_TRUE;  // whatever the control passed, the reply decides
        page.OnEvent(IDC_EXPLORER, DISPID_BEFORENAVIGATE2, f.args.Params());
        EXPECT_EQ(f.cancel, reply ? VARIANT_TRUE : VARIANT_FALSE) << reply;
    }
}

TEST_F(BrowserHostTest, RepliedCancelStopsTheNavigationOfTheRealEngine) {
    web.AddPage(u"http://a.test/", Page(u"A"));
    CQXExplorerControlDlg& page = OpenPage(1);
    frame.onNotice = [](NMPAGEEVENT& e) { return e.hdr.code == PN_BEFORENAVIGATE ? 1 : 0; };

    Navigate(page, u"http://a.test/");
    clock.Advance(1000);

    EXPECT_EQ(frame.Codes(), std::vector<UINT>{PN_BEFORENAVIGATE});
    EXPECT_TRUE(web.Requests().empty());
    EXPECT_EQ(page.m_wndBrowser.get_LocationURL(), u"");
}

// A request body of n bytes, held as the control holds it: in an array behind a reference.
struct Body {
    SAFEARRAY* array = nullptr;
    VARIANT inner;
    Body(std::vector<BYTE> bytes, LONG lowerBound) {
        array = SafeArrayCreateVector(VT_UI1, lowerBound, static_cast<ULONG>(bytes.size()));
        void* data = nullptr;
        SafeArrayAccessData(array, &data);
        if (!bytes.empty()) std::memcpy(data, bytes.data(), bytes.size());
        SafeArrayUnaccessData(array);
        inner.vt = VT_ARRAY | VT_UI1;
        inner.parray = array;
    }
    ~Body() { SafeArrayDestroy(array); }
};

TEST_F(BrowserHostTest, BeforeNavigateCarriesAPrivateCopyOfTheRequestBody) {
    CQXExplorerControlDlg& page = OpenPage(1);
    Body body({'q', '=', 0, 0xFF, '1'}, 1);
    const BYTE* seen = nullptr;
    frame.onNotice = [&](NMPAGEEVENT& e) {
        seen = e.pPostData;
        return 0;
    };

    Fired f;
    BeforeNavigate(f, f.args.TextVariant(u"http://a.test/form"));
    f.inner = body.inner;
    EXPECT_EQ(page.OnEvent(IDC_EXPLORER, DISPID_BEFORENAVIGATE2, f.args.Params()), S_OK);

    ASSERT_EQ(frame.notices.size(), 1u);
    const Notice& n = frame.notices[0];
    EXPECT_TRUE(n.hasBody);
    EXPECT_EQ(n.bodySize, 5);
    EXPECT_EQ(n.body, (std::vector<BYTE>{'q', '=', 0, 0xFF, '1'}));
    EXPECT_NE(seen, static_cast<const BYTE*>(body.array->pvData)) << "a copy, not the control's array";
    EXPECT_EQ(n.url, u"http://a.test/form");
    EXPECT_EQ(body.array->cLocks, 0u) << "the array is unlocked again";

    // The same array held by reference.
    frame.notices.clear();
    Fired byReference;
    BeforeNavigate(byReference, byReference.args.TextVariant(u"http://a.test/form"));
    byReference.inner.vt = VT_ARRAY | VT_UI1 | VT_BYREF;
    byReference.inner.pparray = &body.array;
    page.OnEvent(IDC_EXPLORER, DISPID_BEFORENAVIGATE2, byReference.args.Params());
    ASSERT_EQ(frame.notices.size(), 1u);
    EXPECT_EQ(frame.notices[0].body, (std::vector<BYTE>{'q', '=', 0, 0xFF, '1'}));
}

TEST_F(BrowserHostTest, RequestBodyThatIsNotAByteArrayIsReportedAsNone) {
    CQXExplorerControlDlg& page = OpenPage(1);
    Body empty({}, 0);
    VARIANT text;
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(u"not an array");
    VARIANT nullArray;
    nullArray.vt = VT_ARRAY | VT_UI1;
    nullArray.parray = nullptr;
    struct Case {
        const char* name;
        VARIANT* behindReference;  // what the referenced variant holds; null: nothing
    } cases[] = {
        {"nothing behind the reference", nullptr},
        {"an empty array", &empty.inner},
        {"a string", &text},
        {"a null array", &nullArray},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frame.notices.clear();
        Fired f;
        BeforeNavigate(f, f.args.TextVariant(u"http://a.test/"));
        if (c.behindReference) f.inner = *c.behindReference;
        EXPECT_EQ(page.OnEvent(IDC_EXPLORER, DISPID_BEFORENAVIGATE2, f.args.Params()), S_OK);
        ASSERT_EQ(frame.notices.size(), 1u);
        EXPECT_FALSE(frame.notices[0].hasBody);
        EXPECT_EQ(frame.notices[0].bodySize, 0);
        EXPECT_EQ(frame.notices[0].headers, u"Referer: http://a.test/\r\n") << "the rest is still reported";
    }
    SysFreeString(text.bstrVal);
}

TEST_F(BrowserHostTest, IgnoredEventsSendNothingAndLeaveTheirFlagsAlone) {
    CQXExplorerControlDlg& page = OpenPage(1);
    const VARIANT_BOOL odd = 0x1234;  // a flag no handler would write
    struct Row {
        const char* name;
        DISPID dispid;
        std::function<void(Fired&)> build;
    };
    const auto oneBool = [](Fired& f) {
        VARIANT v;
        v.vt = VT_BOOL;
        v.boolVal = VARIANT_TRUE;
        f.args.AddValue(v);
    };
    const Row rows[] = {
        {"ClientToHostWindow", DISPID_CLIENTTOHOSTWINDOW,
         [](Fired& f) {
             static LONG cx = 10, cy = 20;
             f.refs[0].vt = VT_I4 | VT_BYREF;
             f.refs[0].plVal = &cx;
             f.refs[1].vt = VT_I4 | VT_BYREF;
             f.refs[1].plVal = &cy;
             f.args.AddValue(f.refs[0]);
             f.args.AddValue(f.refs[1]);
         }},
        {"CommandStateChange", DISPID_COMMANDSTATECHANGE,
         [&](Fired& f) {
             f.args.AddI4(2);
             oneBool(f);
         }},
        {"FileDownload", DISPID_FILEDOWNLOAD,
         [&](Fired& f) {
             oneBool(f);
             f.args.AddBoolRef(f.cancel);
         }},
        {"NavigateError", DISPID_NAVIGATEERROR,
         [](Fired& f) {
             f.refs[0] = f.args.TextVariant(u"http://gone.test/");
             f.refs[1] = f.args.TextVariant(u"");
             f.refs[2] = I4(404);
             f.args.AddDispatch(nullptr);
             for (int i = 0; i < 3; ++i) f.args.AddVariantRef(f.refs[i]);
             f.args.AddBoolRef(f.cancel);
         }},
        {"OnFullScreen", DISPID_ONFULLSCREEN, oneBool},
        {"OnMenuBar", DISPID_ONMENUBAR, oneBool},
        {"OnQuit", DISPID_ONQUIT, [](Fired&) {}},
        {"OnStatusBar", DISPID_ONSTATUSBAR, oneBool},
        {"OnTheaterMode", DISPID_ONTHEATERMODE, oneBool},
        {"OnToolBar", DISPID_ONTOOLBAR, oneBool},
        {"OnVisible", DISPID_ONVISIBLE, oneBool},
        {"PrintTemplateInstantiation", DISPID_PRINTTEMPLATEINSTANTIATION,
         [](Fired& f) { f.args.AddDispatch(nullptr); }},
        {"PrintTemplateTeardown", DISPID_PRINTTEMPLATETEARDOWN, [](Fired& f) { f.args.AddDispatch(nullptr); }},
        {"PrivacyImpactedStateChange", DISPID_PRIVACYIMPACTEDSTATECHANGE, oneBool},
        {"PropertyChange", DISPID_PROPERTYCHANGE, [](Fired& f) { f.args.AddText(u"x"); }},
        {"SetSecureLockIcon", DISPID_SETSECURELOCKICON, [](Fired& f) { f.args.AddI4(1); }},
        {"UpdatePageStatus", DISPID_UPDATEPAGESTATUS,
         [](Fired& f) {
             f.refs[0] = I4(1);
             f.refs[1] = I4(1);
             f.args.AddDispatch(nullptr);
             f.args.AddVariantRef(f.refs[0]);
             f.args.AddVariantRef(f.refs[1]);
         }},
        {"WindowClosing", DISPID_WINDOWCLOSING,
         [&](Fired& f) {
             oneBool(f);
             f.args.AddBoolRef(f.cancel);
         }},
        {"WindowSetHeight", DISPID_WINDOWSETHEIGHT, [](Fired& f) { f.args.AddI4(100); }},
        {"WindowSetLeft", DISPID_WINDOWSETLEFT, [](Fired& f) { f.args.AddI4(100); }},
        {"WindowSetResizable", DISPID_WINDOWSETRESIZABLE, oneBool},
        {"WindowSetTop", DISPID_WINDOWSETTOP, [](Fired& f) { f.args.AddI4(100); }},
        {"WindowSetWidth", DISPID_WINDOWSETWIDTH, [](Fired& f) { f.args.AddI4(100); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        frame.notices.clear();
        Fired f;
        f.cancel = odd;
        row.build(f);
        EXPECT_EQ(page.OnEvent(IDC_EXPLORER, row.dispid, f.args.Params()), S_OK) << "bound, with these types";
        EXPECT_TRUE(frame.notices.empty());
        EXPECT_EQ(f.cancel, odd);
    }
}

}  // namespace
}  // namespace qx::browser::test
