#include "platform/webcontrol/WebDocument.h"

#include "platform/webcontrol/WebBrowserAutomation.h"
#include "platform/webcontrol/WebBrowserControl.h"

namespace qx::web {

WebDocument* WebDocument::Create(WebBrowserAutomation* automation) { return new WebDocument(automation); }

WebDocument::WebDocument(WebBrowserAutomation* automation) : m_pAutomation(automation) { m_pAutomation->AddRef(); }

WebDocument::~WebDocument() { m_pAutomation->Release(); }

HRESULT WebDocument::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IHTMLDocument2) {
        *object = static_cast<IHTMLDocument2*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

ULONG WebDocument::AddRef() { return ++m_cRef; }

ULONG WebDocument::Release() {
    const ULONG n = --m_cRef;
    if (n == 0) delete this;
    return n;
}

HRESULT WebDocument::GetTypeInfoCount(UINT* count) {
    if (count) *count = 0;
    return S_OK;
}

HRESULT WebDocument::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT WebDocument::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* dispids) {
    for (UINT i = 0; dispids && i < count; ++i) dispids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT WebDocument::Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                            EXCEPINFO*, UINT*) {
    if (result) VariantInit(result);
    if (dispid != DISPID_IHTMLDOCUMENT2_TITLE || !(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
    if (params && params->cArgs != 0) return DISP_E_BADPARAMCOUNT;
    BSTR title = nullptr;
    const HRESULT hr = get_title(&title);
    if (FAILED(hr)) return hr;
    if (result) {
        result->vt = VT_BSTR;
        result->bstrVal = title;
    } else {
        SysFreeString(title);
    }
    return S_OK;
}

HRESULT WebDocument::get_title(BSTR* p) {
    if (!p) return E_POINTER;
    *p = nullptr;
    WebBrowserControl* control = m_pAutomation->Control();
    if (!control) return E_UNEXPECTED;
    // The page shown now: its title changes as the page changes it.
    const std::u16string title = control->Engine().Title().value_or(std::u16string());
    *p = qx::ole::AllocBstr(title);
    return *p ? S_OK : E_OUTOFMEMORY;
}

}  // namespace qx::web
