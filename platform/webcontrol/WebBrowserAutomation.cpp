#include "platform/webcontrol/WebBrowserAutomation.h"

#include "platform/webcontrol/WebBrowserControl.h"
#include "platform/webcontrol/WebBrowserDispids.h"
#include "platform/webcontrol/WebDocument.h"

namespace qx::web {
namespace {

// The argument at position index in the order the operation declares them (the call passes
// them last first), seen through any by-reference variants.
const VARIANT& Arg(const DISPPARAMS& params, UINT index) {
    const VARIANT* v = &params.rgvarg[params.cArgs - 1 - index];
    while (v->vt == (VT_VARIANT | VT_BYREF) && v->pvarVal) v = v->pvarVal;
    return *v;
}

bool TextOf(const VARIANT& v, std::u16string& out) {
    switch (v.vt) {
    case VT_BSTR: out = qx::ole::BstrToString(v.bstrVal); return true;
    case VT_BSTR | VT_BYREF: out = v.pbstrVal ? qx::ole::BstrToString(*v.pbstrVal) : std::u16string(); return true;
    case VT_EMPTY: case VT_NULL: out.clear(); return true;
    default: return false;
    }
}

bool IntegerOf(const VARIANT& v, long long& out) {
    switch (v.vt) {
    case VT_I1: out = static_cast<signed char>(v.cVal); return true;
    case VT_UI1: out = v.bVal; return true;
    case VT_I2: out = v.iVal; return true;
    case VT_UI2: out = v.uiVal; return true;
    case VT_I4: case VT_INT: out = v.lVal; return true;
    case VT_UI4: case VT_UINT: out = v.ulVal; return true;
    case VT_BOOL: out = v.boolVal; return true;
    case VT_I4 | VT_BYREF: if (!v.plVal) return false; out = *v.plVal; return true;
    case VT_BOOL | VT_BYREF: if (!v.pboolVal) return false; out = *v.pboolVal; return true;
    default: return false;
    }
}

constexpr WebBrowserAutomation::Outcome kTypeMismatch{DISP_E_TYPEMISMATCH, u"An argument has the wrong type."};

HRESULT Report(const WebBrowserAutomation::Outcome& outcome, EXCEPINFO* excepInfo) {
    if (!outcome.description || !excepInfo) return outcome.hr;
    *excepInfo = EXCEPINFO();
    excepInfo->bstrSource = SysAllocString(u"WebBrowser");
    excepInfo->bstrDescription = SysAllocString(outcome.description);
    excepInfo->scode = outcome.hr;
    return DISP_E_EXCEPTION;
}

}  // namespace

// The operations, as the control's automation lists them.
const WebBrowserAutomation::OperationEntry WebBrowserAutomation::kOperations[] = {
    // DISPID              kind                  args  operation
    {DISPID_GOBACK,        DISPATCH_METHOD,      0, 0, &WebBrowserAutomation::GoBack},
    {DISPID_GOFORWARD,     DISPATCH_METHOD,      0, 0, &WebBrowserAutomation::GoForward},
    {DISPID_NAVIGATE,      DISPATCH_METHOD,      1, 5, &WebBrowserAutomation::Navigate},
    {DISPID_STOP,          DISPATCH_METHOD,      0, 0, &WebBrowserAutomation::Stop},
    {DISPID_REFRESH,       DISPATCH_METHOD,      0, 0, &WebBrowserAutomation::Refresh},
    {DISPID_APPLICATION,   DISPATCH_PROPERTYGET, 0, 0, &WebBrowserAutomation::GetApplication},
    {DISPID_DOCUMENT,      DISPATCH_PROPERTYGET, 0, 0, &WebBrowserAutomation::GetDocument},
    {DISPID_LOCATIONURL,   DISPATCH_PROPERTYGET, 0, 0, &WebBrowserAutomation::GetLocationURL},
    {DISPID_BUSY,          DISPATCH_PROPERTYGET, 0, 0, &WebBrowserAutomation::GetBusy},
    {DISPID_EXECWB,        DISPATCH_METHOD,      2, 4, &WebBrowserAutomation::ExecWB},
    {DISPID_SILENT,        DISPATCH_PROPERTYPUT, 1, 1, &WebBrowserAutomation::PutSilent},
};

WebBrowserAutomation* WebBrowserAutomation::Create(WebBrowserControl* control) {
    return new WebBrowserAutomation(control);
}

HRESULT WebBrowserAutomation::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IQXWebBrowserAutomation) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

ULONG WebBrowserAutomation::AddRef() { return ++m_cRef; }

ULONG WebBrowserAutomation::Release() {
    const ULONG n = --m_cRef;
    if (n == 0) delete this;
    return n;
}

HRESULT WebBrowserAutomation::GetTypeInfoCount(UINT* count) {
    if (count) *count = 0;
    return S_OK;
}

HRESULT WebBrowserAutomation::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT WebBrowserAutomation::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* dispids) {
    for (UINT i = 0; dispids && i < count; ++i) dispids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT WebBrowserAutomation::Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* excepInfo, UINT*) {
    if (result) VariantInit(result);
    const DISPPARAMS none;
    const DISPPARAMS& p = params ? *params : none;
    if (p.cArgs > 0 && !p.rgvarg) return E_INVALIDARG;

    const OperationEntry* entry = nullptr;
    for (const OperationEntry& e : kOperations) {
        if (e.dispid == dispid && (flags & e.kind)) {
            entry = &e;
            break;
        }
    }
    if (!entry) return DISP_E_MEMBERNOTFOUND;
    if (entry->kind == DISPATCH_PROPERTYPUT) {
        if (p.cNamedArgs != 1 || !p.rgdispidNamedArgs || p.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            return DISP_E_PARAMNOTFOUND;
    } else if (p.cNamedArgs != 0) {
        return DISP_E_NONAMEDARGS;
    }
    if (p.cArgs < entry->minArgs || p.cArgs > entry->maxArgs) return DISP_E_BADPARAMCOUNT;
    if (!m_pControl) return Report({E_UNEXPECTED, u"The web browser control is no longer there."}, excepInfo);

    // The control may go away during the call (a page event closes its tab), and release us.
    AddRef();
    const Outcome outcome = (this->*entry->operation)(p, result);
    Release();
    return SUCCEEDED(outcome.hr) ? outcome.hr : Report(outcome, excepInfo);
}

// --- The operations ---

WebBrowserAutomation::Outcome WebBrowserAutomation::GoBack(const DISPPARAMS&, VARIANT*) {
    if (!m_pControl->Engine().GoBack()) return {E_FAIL, u"There is no earlier page to go back to."};
    return {};
}

WebBrowserAutomation::Outcome WebBrowserAutomation::GoForward(const DISPPARAMS&, VARIANT*) {
    if (!m_pControl->Engine().GoForward()) return {E_FAIL, u"There is no later page to go forward to."};
    return {};
}

WebBrowserAutomation::Outcome WebBrowserAutomation::Navigate(const DISPPARAMS& params, VARIANT*) {
    std::u16string url;
    if (!TextOf(Arg(params, 0), url)) return kTypeMismatch;
    // FIXME: flags, target frame, request body and headers are not passed on; the program
    // never gives them.
    m_pControl->Engine().Navigate(url);
    return {};
}

WebBrowserAutomation::Outcome WebBrowserAutomation::Stop(const DISPPARAMS&, VARIANT*) {
    m_pControl->Engine().Stop();
    return {};
}

WebBrowserAutomation::Outcome WebBrowserAutomation::Refresh(const DISPPARAMS&, VARIANT*) {
    m_pControl->Engine().Refresh();
    return {};
}

WebBrowserAutomation::Outcome WebBrowserAutomation::GetApplication(const DISPPARAMS&, VARIANT* result) {
    if (!result) return {};
    AddRef();
    result->vt = VT_DISPATCH;
    result->pdispVal = this;
    return {};
}

WebBrowserAutomation::Outcome WebBrowserAutomation::GetDocument(const DISPPARAMS&, VARIANT* result) {
    if (!result) return {};
    result->vt = VT_DISPATCH;
    result->pdispVal = m_pControl->Engine().Title() ? WebDocument::Create(this) : nullptr;
    return {};
}

WebBrowserAutomation::Outcome WebBrowserAutomation::GetLocationURL(const DISPPARAMS&, VARIANT* result) {
    if (!result) return {};
    const std::u16string url = m_pControl->Engine().LocationURL();
    BSTR text = qx::ole::AllocBstr(url);
    if (!text) return {E_OUTOFMEMORY, nullptr};
    result->vt = VT_BSTR;
    result->bstrVal = text;
    return {};
}

WebBrowserAutomation::Outcome WebBrowserAutomation::GetBusy(const DISPPARAMS&, VARIANT* result) {
    if (!result) return {};
    result->vt = VT_BOOL;
    result->boolVal = m_pControl->Engine().IsBusy() ? VARIANT_TRUE : VARIANT_FALSE;
    return {};
}

WebBrowserAutomation::Outcome WebBrowserAutomation::ExecWB(const DISPPARAMS& params, VARIANT*) {
    long long command = 0;
    long long option = 0;
    if (!IntegerOf(Arg(params, 0), command) || !IntegerOf(Arg(params, 1), option)) return kTypeMismatch;
    WebCommand what;
    switch (command) {
    case OLECMDID_SAVEAS: what = WebCommand::SaveAs; break;
    case OLECMDID_FIND: what = WebCommand::Find; break;
    case OLECMDID_PRINT: what = WebCommand::Print; break;
    default: return {OLECMDERR_E_NOTSUPPORTED, u"The web browser control has no such command."};
    }
    // FIXME: every command shows its own user interface; the options asking for none are not
    // offered by the engines.
    if (!m_pControl->Engine().ExecCommand(what)) {
        return {OLECMDERR_E_DISABLED, u"The page cannot run this command now."};
    }
    return {};
}

WebBrowserAutomation::Outcome WebBrowserAutomation::PutSilent(const DISPPARAMS& params, VARIANT*) {
    long long silent = 0;
    if (!IntegerOf(Arg(params, 0), silent)) return kTypeMismatch;
    m_pControl->Engine().SetSilent(silent != 0);
    return {};
}

}  // namespace qx::web
