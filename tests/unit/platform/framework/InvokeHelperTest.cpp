// InvokeHelper: arguments become the call's VARIANTs by their type list (last argument first),
// results come back as the asked type, and failures raise COleDispatchException with the
// object's code and description.

#include "FakeDispatch.h"
#include "FrameworkTest.h"

namespace qx::fw::test {
namespace {

class InvokeHelperTest : public FrameworkTest {
protected:
    InvokeHelperTest() { control.AttachControlDispatch(&object); }
    ~InvokeHelperTest() override {
        control.AttachControlDispatch(nullptr);
        EXPECT_EQ(object.refs, 1u) << "references balanced";
    }
    const FakeDispatch::Call& LastCall() { return object.calls.back(); }

    FakeDispatch object;
    CWnd control;
};

TEST_F(InvokeHelperTest, ArgumentsAreConvertedByTheirTypeListLastArgumentFirst) {
    static BYTE navigateParams[] = VTS_BSTR VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT;
    const CString url = u"http://127.0.0.1/a b";
    control.InvokeHelper(104, DISPATCH_METHOD, VT_EMPTY, nullptr, navigateParams, url, nullptr, nullptr, NULL, nullptr);
    ASSERT_EQ(LastCall().args.size(), 5u);
    EXPECT_EQ(LastCall().dispid, 104);
    EXPECT_EQ(LastCall().flags, DISPATCH_METHOD);
    EXPECT_EQ(LastCall().args[4].vt, VT_BSTR);
    EXPECT_EQ(LastCall().args[0].vt, VT_VARIANT | VT_BYREF);
    EXPECT_EQ(LastCall().args[0].pvarVal, nullptr);
    EXPECT_TRUE(LastCall().named.empty());

    control.InvokeHelper(502, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_I4 VTS_I4 VTS_PVARIANT VTS_PVARIANT, 32, 0,
                         nullptr, nullptr);
    EXPECT_EQ(LastCall().args[3].vt, VT_I4);
    EXPECT_EQ(LastCall().args[3].lVal, 32);
    EXPECT_EQ(LastCall().args[2].lVal, 0);

    control.InvokeHelper(551, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, VTS_BOOL, TRUE);
    ASSERT_EQ(LastCall().args.size(), 1u);
    EXPECT_EQ(LastCall().args[0].vt, VT_BOOL);
    EXPECT_EQ(LastCall().args[0].boolVal, VARIANT_TRUE);
    EXPECT_EQ(LastCall().named, std::vector<DISPID>{DISPID_PROPERTYPUT}) << "a property put names its value";
}

TEST_F(InvokeHelperTest, TheStringArgumentCarriesTheTextUnchanged) {
    CString seen;
    object.onInvoke = [&](DISPPARAMS* p) { seen = qx::ole::BstrToString(p->rgvarg[0].bstrVal); };
    control.InvokeHelper(104, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_BSTR, u"C:\\config\\tools\\setting.html");
    EXPECT_EQ(seen, u"C:\\config\\tools\\setting.html");
}

TEST_F(InvokeHelperTest, ByReferenceBooleansComeBackAsBool) {
    object.onInvoke = [](DISPPARAMS* p) { *p->rgvarg[0].pboolVal = VARIANT_TRUE; };
    BOOL flag = FALSE;
    control.InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_PBOOL, &flag);
    EXPECT_EQ(flag, TRUE);
}

TEST_F(InvokeHelperTest, ResultsComeBackAsTheAskedType) {
    object.result.vt = VT_BSTR;
    object.result.bstrVal = SysAllocString(u"http://127.0.0.1/page");
    CString url;
    control.InvokeHelper(211, DISPATCH_PROPERTYGET, VT_BSTR, &url, nullptr);
    EXPECT_EQ(url, u"http://127.0.0.1/page");
    EXPECT_EQ(LastCall().flags, DISPATCH_PROPERTYGET);

    object.result.vt = VT_BOOL;
    object.result.boolVal = VARIANT_TRUE;
    BOOL busy = FALSE;
    control.InvokeHelper(212, DISPATCH_PROPERTYGET, VT_BOOL, &busy, nullptr);
    EXPECT_EQ(busy, TRUE);

    object.result.vt = VT_I2;
    object.result.iVal = -7;
    LONG number = 0;
    control.InvokeHelper(3, DISPATCH_PROPERTYGET, VT_I4, &number, nullptr);
    EXPECT_EQ(number, -7);

    FakeDispatch document;
    document.AddRef();
    object.result.vt = VT_DISPATCH;
    object.result.pdispVal = &document;
    IDispatch* got = nullptr;
    control.InvokeHelper(203, DISPATCH_PROPERTYGET, VT_DISPATCH, &got, nullptr);
    EXPECT_EQ(got, &document) << "the caller gets the reference the object gave";
    got->Release();
    EXPECT_EQ(document.refs, 1u);

    object.result = VARIANT{};
    got = &document;
    control.InvokeHelper(203, DISPATCH_PROPERTYGET, VT_DISPATCH, &got, nullptr);
    EXPECT_EQ(got, nullptr) << "no document";
}

TEST_F(InvokeHelperTest, FailuresRaiseTheDispatchExceptionWithCodeAndDescription) {
    struct Case {
        const char* what;
        HRESULT hr;
        SCODE scode;
        const char16_t* description;
        SCODE expectedCode;
        const char16_t* expectedText;
    };
    const Case cases[] = {
        {"plain failure", E_FAIL, 0, nullptr, E_FAIL, u"The automation call failed (error 0x80004005)."},
        {"exception with description", DISP_E_EXCEPTION, static_cast<SCODE>(0x800C0005), u"No earlier page",
         static_cast<SCODE>(0x800C0005), u"No earlier page"},
        {"exception without scode", DISP_E_EXCEPTION, 0, u"", DISP_E_EXCEPTION,
         u"The automation call failed (error 0x80020009)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        object.hr = c.hr;
        object.excepInfo.scode = c.scode;
        object.excepInfo.bstrDescription = c.description ? SysAllocString(c.description) : nullptr;
        object.excepInfo.bstrSource = SysAllocString(u"WebBrowser");
        try {
            control.InvokeHelper(100, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
            ADD_FAILURE() << "no exception";
        } catch (const COleDispatchException& e) {
            EXPECT_EQ(e.m_scError, c.expectedCode);
            EXPECT_EQ(e.GetErrorText(), c.expectedText);
            if (c.hr == DISP_E_EXCEPTION) {
                EXPECT_EQ(e.m_strSource, u"WebBrowser");
            }
        }
        SysFreeString(object.excepInfo.bstrDescription);
        SysFreeString(object.excepInfo.bstrSource);
        object.excepInfo = EXCEPINFO{};
    }
}

TEST_F(InvokeHelperTest, ArgumentsThatDoNotMatchTheirListRaiseWithoutACall) {
    auto expectThrow = [&](HRESULT code, auto&& call) {
        try {
            call();
            ADD_FAILURE() << "no exception";
        } catch (const COleDispatchException& e) {
            EXPECT_EQ(e.m_scError, code);
        }
    };
    expectThrow(DISP_E_BADPARAMCOUNT, [&] { control.InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_I4 VTS_I4, 1); });
    expectThrow(DISP_E_TYPEMISMATCH, [&] { control.InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_I4, u"4"); });
    expectThrow(DISP_E_TYPEMISMATCH, [&] {
        object.result.vt = VT_I4;
        CString text;
        control.InvokeHelper(1, DISPATCH_PROPERTYGET, VT_BSTR, &text, nullptr);
    });
    EXPECT_EQ(object.calls.size(), 1u) << "only the call whose result did not fit was made";

    CWnd bare;
    expectThrow(E_NOINTERFACE, [&] { bare.InvokeHelper(106, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr); });
}

}  // namespace
}  // namespace qx::fw::test
