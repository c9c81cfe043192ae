#pragma once
// The document get_Document hands out: a live view of the page a control shows now, offering
// IHTMLDocument2 for its title. It holds the control's automation object, so it stays safe to
// use after the control is gone; its calls then fail.

#include "platform/webcontrol/HtmlDocument2.h"

namespace qx::web {

class WebBrowserAutomation;

class WebDocument final : public IHTMLDocument2 {
public:
    // With one reference for the caller.
    static WebDocument* Create(WebBrowserAutomation* automation);

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetTypeInfoCount(UINT* count) override;
    HRESULT GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* dispids) override;
    HRESULT Invoke(DISPID dispid, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excepInfo, UINT* argError) override;

    HRESULT get_title(BSTR* p) override;

private:
    explicit WebDocument(WebBrowserAutomation* automation);
    ~WebDocument();

    WebBrowserAutomation* m_pAutomation;  // one reference held
    ULONG m_cRef = 1;
};

}  // namespace qx::web
