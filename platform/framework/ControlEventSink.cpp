#include "platform/framework/ControlEventSink.h"

#include "platform/framework/OccManager.h"

namespace qx::fw {

HRESULT ControlEventSink::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDispatch) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

ULONG ControlEventSink::AddRef() { return ++m_cRef; }

ULONG ControlEventSink::Release() {
    const ULONG n = --m_cRef;
    if (n == 0) delete this;
    return n;
}

HRESULT ControlEventSink::GetTypeInfoCount(UINT* count) {
    if (count) *count = 0;
    return E_NOTIMPL;
}

HRESULT ControlEventSink::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT ControlEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* dispids) {
    for (UINT i = 0; dispids && i < count; ++i) dispids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT ControlEventSink::Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                 UINT*) {
    if (!m_pSite) return S_OK;
    // The handler may destroy the container, and with it the site; the control's reference
    // keeps this object, and nothing of the site is touched after the call.
    AddRef();
    const HRESULT hr = m_pSite->FireEvent(dispid, params);
    Release();
    return hr;
}

}  // namespace qx::fw
