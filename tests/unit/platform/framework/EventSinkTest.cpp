// Hosted controls: a dialog template's control with a class id gets a site; data exchange binds
// its automation object to the member; the events the control fires reach the dialog's event
// sink table by control id and DISPID, with their arguments unpacked and by-reference flags
// written back.

#include "FakeDispatch.h"
#include "FrameworkTest.h"

#include <memory>
#include <string>

namespace qx::fw::test {
namespace {

constexpr const char16_t* kControlClass = u"QXTestControl";

// A control window as a control layer would make one: it hands out its automation object and
// keeps the sink it fires its events into.
struct FakeControl {
    FakeDispatch object;
    IDispatch* sink = nullptr;
    HWND hwnd = nullptr;

    HRESULT Fire(DISPID dispid, std::vector<VARIANT> args) {
        std::vector<VARIANT> reversed(args.rbegin(), args.rend());
        DISPPARAMS params;
        params.rgvarg = reversed.empty() ? nullptr : reversed.data();
        params.cArgs = static_cast<UINT>(reversed.size());
        return sink ? sink->Invoke(dispid, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr) : E_FAIL;
    }
    void DropSink() {
        if (sink) sink->Release();
        sink = nullptr;
    }
};
FakeControl* g_control = nullptr;

LRESULT FakeControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_control && message == WM_NCCREATE) g_control->hwnd = hwnd;
    if (g_control && message == WM_QX_GETCONTROLDISPATCH) {
        g_control->object.AddRef();
        *reinterpret_cast<IDispatch**>(lParam) = &g_control->object;
        return TRUE;
    }
    if (g_control && message == WM_QX_SETCONTROLEVENTSINK) {
        auto* sink = reinterpret_cast<IDispatch*>(lParam);
        if (sink) sink->AddRef();
        g_control->DropSink();
        g_control->sink = sink;
        return TRUE;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

constexpr DialogItemTemplate kPageItems[] = {
    {1038, kControlClass, u"", 0x50010000, 0, 7, 7, 437, 176, &CLSID_WebBrowser},
};
constexpr DialogTemplate kPageTemplate = {105, 0x40080048, 0, 0, 0, 451, 191, u"", u"MS Shell Dlg", 9, kPageItems};

VARIANT Bstr(BSTR text) {
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = text;
    return v;
}
VARIANT I4(LONG n, VARTYPE vt = VT_I4) {
    VARIANT v;
    v.vt = vt;
    v.lVal = n;
    return v;
}
VARIANT Ref(VARIANT* target) {
    VARIANT v;
    v.vt = VT_VARIANT | VT_BYREF;
    v.pvarVal = target;
    return v;
}
VARIANT BoolRef(VARIANT_BOOL* target) {
    VARIANT v;
    v.vt = VT_BOOL | VT_BYREF;
    v.pboolVal = target;
    return v;
}
VARIANT DispatchRef(IDispatch** target) {
    VARIANT v;
    v.vt = VT_DISPATCH | VT_BYREF;
    v.ppdispVal = target;
    return v;
}

class CPageDialog : public CDialog {
public:
    CWnd m_wndBrowser;
    std::vector<std::string> m_log;
    CString m_strUrl;
    IDispatch* m_pHost = nullptr;
    bool m_bThrow = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, 1038, m_wndBrowser); }
    void OnBeforeNavigate2(LPDISPATCH, VARIANT* URL, VARIANT*, VARIANT*, VARIANT*, VARIANT*, BOOL* Cancel) {
        m_log.push_back("BeforeNavigate2");
        m_strUrl = URL && URL->vt == VT_BSTR ? qx::ole::BstrToString(URL->bstrVal) : u"";
        *Cancel = TRUE;
    }
    void OnNewWindow3(LPDISPATCH* ppDisp, BOOL* Cancel, unsigned long dwFlags, LPCOLESTR, LPCOLESTR bstrUrl) {
        m_log.push_back("NewWindow3 " + std::to_string(dwFlags) + (bstrUrl ? " url" : " null"));
        if (m_pHost) m_pHost->AddRef();
        *ppDisp = m_pHost;
        *Cancel = FALSE;
    }
    void OnProgressChange(long nProgress, long nProgressMax) {
        if (m_bThrow) throw COleDispatchException(E_FAIL, u"busy check failed");
        m_log.push_back("ProgressChange " + std::to_string(nProgress) + "/" + std::to_string(nProgressMax));
    }
    void OnDownloadBegin() { m_log.push_back("DownloadBegin"); }
    DECLARE_EVENTSINK_MAP()
};

BEGIN_EVENTSINK_MAP(CPageDialog, CDialog)
    ON_EVENT(CPageDialog, 1038, 250, CPageDialog::OnBeforeNavigate2,
             VTS_DISPATCH VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PBOOL)
    ON_EVENT(CPageDialog, 1038, 273, CPageDialog::OnNewWindow3, VTS_PDISPATCH VTS_PBOOL VTS_UI4 VTS_BSTR VTS_BSTR)
    ON_EVENT(CPageDialog, 1038, 108, CPageDialog::OnProgressChange, VTS_I4 VTS_I4)
    ON_EVENT(CPageDialog, 1038, 106, CPageDialog::OnDownloadBegin, VTS_NONE)
END_EVENTSINK_MAP()

// A site that offers page script an object, as a control-site factory could.
class CExternalSite : public COleControlSite {
public:
    using COleControlSite::COleControlSite;
    static inline FakeDispatch* s_external = nullptr;
    IDispatch* GetExternal() override {
        s_external->AddRef();
        return s_external;
    }
};

class CRecordingOccManager : public COccManager {
public:
    static inline int s_asked = 0;
    static inline bool s_supply = false;
    std::unique_ptr<COleControlSite> CreateSite(COleControlContainer* pCtrlCont) override {
        ++s_asked;
        return s_supply ? std::make_unique<CExternalSite>(pCtrlCont) : nullptr;
    }
};

class EventSinkTest : public FrameworkTest {
protected:
    EventSinkTest() {
        g_control = &control;
        WNDCLASSW wc;
        wc.lpfnWndProc = &FakeControlProc;
        wc.lpszClassName = kControlClass;
        ::RegisterClassW(&wc);
        parent.CreateEx(0, nullptr, u"", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, nullptr, nullptr);
    }
    ~EventSinkTest() override {
        page.DestroyWindow();
        control.DropSink();
        g_control = nullptr;
        AfxEnableControlContainer(nullptr);
    }

    FakeControl control;
    CWnd parent;
    CPageDialog page;
};

TEST_F(EventSinkTest, DataExchangeBindsTheHostedControlsAutomationObject) {
    ASSERT_TRUE(page.CreateIndirect(kPageTemplate, &parent));
    EXPECT_EQ(page.m_wndBrowser.m_hWnd, control.hwnd);
    EXPECT_EQ(page.m_wndBrowser.GetControlDispatch(), &control.object);
    page.m_wndBrowser.InvokeHelper(106, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
    ASSERT_EQ(control.object.calls.size(), 1u);
    EXPECT_EQ(control.object.calls[0].dispid, 106);
    EXPECT_NE(control.sink, nullptr) << "the control was given a sink for its events";
}

TEST_F(EventSinkTest, EventsReachTheirHandlersWithUnpackedArgumentsAndFlagsComeBack) {
    ASSERT_TRUE(page.CreateIndirect(kPageTemplate, &parent));
    BSTR url = SysAllocString(u"http://127.0.0.1/next");
    VARIANT urlValue = Bstr(url);
    VARIANT empty;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    EXPECT_EQ(control.Fire(250, {VARIANT{}, Ref(&urlValue), Ref(&empty), Ref(&empty), Ref(&empty), Ref(&empty),
                                 BoolRef(&cancel)}),
              S_OK);
    EXPECT_EQ(page.m_strUrl, u"http://127.0.0.1/next");
    EXPECT_EQ(cancel, VARIANT_TRUE) << "TRUE set through BOOL* comes back as VARIANT_TRUE";

    FakeDispatch host;
    page.m_pHost = &host;
    IDispatch* newHost = nullptr;
    cancel = VARIANT_TRUE;
    EXPECT_EQ(control.Fire(273, {DispatchRef(&newHost), BoolRef(&cancel), I4(6, VT_UI4), Bstr(nullptr), Bstr(url)}), S_OK);
    EXPECT_EQ(newHost, &host);
    EXPECT_EQ(cancel, VARIANT_FALSE);
    newHost->Release();

    EXPECT_EQ(control.Fire(108, {I4(30), I4(100)}), S_OK);
    EXPECT_EQ(control.Fire(106, {}), S_OK);
    EXPECT_EQ(page.m_log, (std::vector<std::string>{"BeforeNavigate2", "NewWindow3 6 url", "ProgressChange 30/100",
                                                    "DownloadBegin"}));
    SysFreeString(url);
}

TEST_F(EventSinkTest, EventsThatDoNotMatchTheirEntryAreRefusedWithoutCallingAHandler) {
    ASSERT_TRUE(page.CreateIndirect(kPageTemplate, &parent));
    EXPECT_EQ(control.Fire(108, {I4(30)}), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(control.Fire(108, {I4(30), Bstr(nullptr)}), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(control.Fire(999, {}), DISP_E_MEMBERNOTFOUND);
    EXPECT_TRUE(page.m_log.empty());
}

TEST_F(EventSinkTest, AnExceptionInAnEventHandlerGetsTheStandardReport) {
    ASSERT_TRUE(page.CreateIndirect(kPageTemplate, &parent));
    page.m_bThrow = true;
    EXPECT_EQ(control.Fire(108, {I4(1), I4(2)}), DISP_E_EXCEPTION);
    ASSERT_EQ(backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(backend.MessageBoxes()[0].text, u"busy check failed");
}

TEST_F(EventSinkTest, EventsAfterTheContainerIsGoneReachNothing) {
    ASSERT_TRUE(page.CreateIndirect(kPageTemplate, &parent));
    IDispatch* kept = control.sink;
    kept->AddRef();
    page.DestroyWindow();
    EXPECT_EQ(control.sink, nullptr) << "the site took its sink back";
    control.sink = kept;
    EXPECT_EQ(control.Fire(106, {}), S_OK);
    EXPECT_TRUE(page.m_log.empty());
    EXPECT_EQ(control.object.refs, 1u) << "the site and the member let go of the control's object";
}

TEST_F(EventSinkTest, TheInstalledManagerIsAskedForEachSiteAndMaySupplyOne) {
    CRecordingOccManager::s_asked = 0;
    CRecordingOccManager::s_supply = false;
    AfxEnableControlContainer(new CRecordingOccManager);
    ASSERT_TRUE(page.CreateIndirect(kPageTemplate, &parent));
    EXPECT_EQ(CRecordingOccManager::s_asked, 1);
    IDispatch* external = reinterpret_cast<IDispatch*>(1);
    EXPECT_FALSE(::SendMessageW(parent.m_hWnd, WM_QX_GETCONTROLEXTERNAL, 0, reinterpret_cast<LPARAM>(&external)));
    EXPECT_EQ(::SendMessageW(page.m_hWnd, WM_QX_GETCONTROLEXTERNAL, reinterpret_cast<WPARAM>(control.hwnd),
                             reinterpret_cast<LPARAM>(&external)),
              FALSE);
    EXPECT_EQ(external, nullptr) << "the default site offers no external object";
    page.DestroyWindow();

    FakeDispatch bridge;
    CExternalSite::s_external = &bridge;
    CRecordingOccManager::s_supply = true;
    CPageDialog second;
    ASSERT_TRUE(second.CreateIndirect(kPageTemplate, &parent));
    EXPECT_EQ(::SendMessageW(second.m_hWnd, WM_QX_GETCONTROLEXTERNAL, reinterpret_cast<WPARAM>(control.hwnd),
                             reinterpret_cast<LPARAM>(&external)),
              TRUE);
    EXPECT_EQ(external, &bridge);
    external->Release();
    second.DestroyWindow();
}

TEST_F(EventSinkTest, AControlThatCannotBeMadeLeavesItsMemberUnboundAndItsCallsFail) {
    static constexpr DialogItemTemplate items[] = {{1038, u"NoSuchControl", u"", 0x50010000, 0, 7, 7, 437, 176,
                                             &CLSID_WebBrowser}};
    static constexpr DialogTemplate tpl = {105, 0x40080048, 0, 0, 0, 451, 191, u"", u"MS Shell Dlg", 9, items};
    ASSERT_TRUE(page.CreateIndirect(tpl, &parent));
    EXPECT_EQ(page.m_wndBrowser.m_hWnd, nullptr);
    EXPECT_THROW(page.m_wndBrowser.InvokeHelper(104, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_BSTR, u"x"),
                 COleDispatchException);
}

}  // namespace
}  // namespace qx::fw::test
