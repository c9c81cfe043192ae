#pragma once
// The object a hosted control fires its events into. It passes each event to its site while the
// site lives; once the site has let go it answers without doing anything, so a control that
// still holds a reference cannot reach a container that is gone.

#include "platform/ole/Unknown.h"

class COleControlSite;

namespace qx::fw {

class ControlEventSink final : public IDispatch {
public:
    explicit ControlEventSink(COleControlSite* pSite) : m_pSite(pSite) {}

    void Disconnect() { m_pSite = nullptr; }

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetTypeInfoCount(UINT* count) override;
    HRESULT GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* dispids) override;
    HRESULT Invoke(DISPID dispid, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excepInfo, UINT* argError) override;

private:
    ~ControlEventSink() = default;
    COleControlSite* m_pSite;
    ULONG m_cRef = 1;
};

}  // namespace qx::fw
