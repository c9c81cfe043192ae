#include <gtest/gtest.h>

#include "platform/base/Strings.h"
#include "platform/ole/Ole.h"

namespace {

// Counts references the way an automation object does; never deleted through the interface.
class CountedObject final : public IDispatch {
public:
    HRESULT QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    ULONG refs = 1;
};

}  // namespace

TEST(Variant, ClearFreesTheStringAndCopyMakesItsOwn) {
    VARIANT a;
    VariantInit(&a);
    a.vt = VT_BSTR;
    a.bstrVal = SysAllocString(u"http://127.0.0.1/");
    VARIANT b;
    VariantInit(&b);
    ASSERT_EQ(VariantCopy(&b, &a), S_OK);
    EXPECT_EQ(b.vt, VT_BSTR);
    EXPECT_NE(b.bstrVal, a.bstrVal);
    EXPECT_EQ(qx::ole::BstrToString(b.bstrVal), u"http://127.0.0.1/");
    EXPECT_EQ(VariantClear(&a), S_OK);
    EXPECT_EQ(a.vt, VT_EMPTY);
    EXPECT_EQ(qx::ole::BstrToString(b.bstrVal), u"http://127.0.0.1/");  // b survives a (ASan checks)
    EXPECT_EQ(VariantClear(&b), S_OK);
}

TEST(Variant, InterfaceReferencesAreCountedByCopyAndClear) {
    CountedObject object;
    VARIANT a;
    a.vt = VT_DISPATCH;
    a.pdispVal = &object;  // a takes the one reference
    VARIANT b;
    ASSERT_EQ(VariantCopy(&b, &a), S_OK);
    EXPECT_EQ(object.refs, 2u);
    VariantClear(&a);
    VariantClear(&b);
    EXPECT_EQ(object.refs, 0u);
}

TEST(Variant, ByReferenceValuesOwnNothing) {
    VARIANT inner;
    inner.vt = VT_BSTR;
    inner.bstrVal = SysAllocString(u"kept");
    VARIANT ref;
    ref.vt = VT_BYREF | VT_VARIANT;
    ref.pvarVal = &inner;
    VARIANT copy;
    ASSERT_EQ(VariantCopy(&copy, &ref), S_OK);
    EXPECT_EQ(copy.pvarVal, &inner);
    VariantClear(&ref);
    VariantClear(&copy);
    EXPECT_EQ(qx::ole::BstrToString(inner.bstrVal), u"kept");
    VariantClear(&inner);
}

TEST(Variant, ArraysAreCopiedDeeplyAndFreedByClear) {
    VARIANT a;
    a.vt = VT_ARRAY | VT_UI1;
    a.parray = SafeArrayCreateVector(VT_UI1, 0, 3);
    static_cast<BYTE*>(a.parray->pvData)[1] = 7;
    VARIANT b;
    ASSERT_EQ(VariantCopy(&b, &a), S_OK);
    EXPECT_NE(b.parray, a.parray);
    EXPECT_EQ(static_cast<BYTE*>(b.parray->pvData)[1], 7);
    EXPECT_EQ(VariantClear(&a), S_OK);
    EXPECT_EQ(VariantClear(&b), S_OK);
}

TEST(Variant, UnknownTypeIsRefusedAndLeftAlone) {
    VARIANT v;
    v.vt = 0x0FFE;
    v.lVal = 5;
    EXPECT_EQ(VariantClear(&v), DISP_E_BADVARTYPE);
    EXPECT_EQ(v.vt, 0x0FFE);
    VARIANT d;
    EXPECT_EQ(VariantCopy(&d, &v), DISP_E_BADVARTYPE);
    EXPECT_EQ(d.vt, VT_EMPTY);
}

TEST(SafeArray, ByteVectorHasBoundsAndDataUnderLock) {
    SAFEARRAY* a = SafeArrayCreateVector(VT_UI1, 1, 4);
    ASSERT_NE(a, nullptr);
    LONG lower = 0, upper = 0;
    EXPECT_EQ(SafeArrayGetLBound(a, 1, &lower), S_OK);
    EXPECT_EQ(SafeArrayGetUBound(a, 1, &upper), S_OK);
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 4);
    EXPECT_EQ(SafeArrayGetUBound(a, 2, &upper), DISP_E_BADINDEX);
    VARTYPE vt = 0;
    EXPECT_EQ(SafeArrayGetVartype(a, &vt), S_OK);
    EXPECT_EQ(vt, VT_UI1);

    void* data = nullptr;
    ASSERT_EQ(SafeArrayAccessData(a, &data), S_OK);
    static_cast<BYTE*>(data)[3] = 0xAB;
    EXPECT_EQ(SafeArrayDestroy(a), DISP_E_ARRAYISLOCKED);  // still accessed: must survive
    EXPECT_EQ(SafeArrayUnaccessData(a), S_OK);
    EXPECT_EQ(SafeArrayUnaccessData(a), E_UNEXPECTED);
    EXPECT_EQ(static_cast<BYTE*>(a->pvData)[3], 0xAB);
    EXPECT_EQ(SafeArrayDestroy(a), S_OK);
}

TEST(SafeArray, EmptyVectorAndUnsupportedType) {
    SAFEARRAY* a = SafeArrayCreateVector(VT_UI1, 0, 0);
    ASSERT_NE(a, nullptr);
    LONG upper = 0;
    SafeArrayGetUBound(a, 1, &upper);
    EXPECT_EQ(upper, -1);
    SafeArrayDestroy(a);
    EXPECT_EQ(SafeArrayCreateVector(VT_BSTR, 0, 2), nullptr);
}

TEST(Guid, ParsesAndFormatsTheRegistryForm) {
    GUID g;
    ASSERT_TRUE(qx::ole::GuidFromString(u"{8856F961-340A-11D0-A96B-00C04FD705A2}", g));
    EXPECT_EQ(g, CLSID_WebBrowser);
    EXPECT_EQ(qx::ole::GuidToString(IID_IHTMLDocument2), u"{332C4425-26CB-11D0-B483-00C04FD90119}");
    ASSERT_TRUE(qx::ole::GuidFromString(u"8856f961-340a-11d0-a96b-00c04fd705a2", g));
    EXPECT_EQ(g, CLSID_WebBrowser);
    for (const char16_t* bad : {u"", u"{8856F961-340A-11D0-A96B-00C04FD705A}", u"Button",
                                u"{8856F961-340A-11D0-A96B-00C04FD705AZ}", u"{8856F961+340A-11D0-A96B-00C04FD705A2}"}) {
        GUID untouched = IID_IDispatch;
        EXPECT_FALSE(qx::ole::GuidFromString(bad, untouched)) << qx::WideToUtf8(bad);
        EXPECT_EQ(untouched, IID_IDispatch);
    }
}
