#pragma once
// The automation object of one web browser control: IWebBrowser2 by DISPID (the operations in
// WebBrowserDispids.h) over the control's engine. A failing operation answers an error code, and
// a description through EXCEPINFO, so InvokeHelper raises the dispatch exception with it.
// References to it may outlive the control window; once the window is gone every call fails.

#include "platform/ole/Unknown.h"

namespace qx::web {

class WebBrowserControl;

// Asks an object whether it is a web browser control of ours (get_Application hands it out as a
// new window's host); QueryInterface answers the WebBrowserAutomation itself, with a reference.
inline constexpr IID IID_IQXWebBrowserAutomation = {
    0x6F1B2C30, 0x8D4E, 0x4A57, {0x9E, 0x0B, 0x3C, 0x2D, 0x5A, 0x7F, 0x1E, 0x42}};

class WebBrowserAutomation final : public IDispatch {
public:
    // With one reference for the caller (the control).
    static WebBrowserAutomation* Create(WebBrowserControl* control);

    // The control behind the object; null once the control window is gone.
    WebBrowserControl* Control() const { return m_pControl; }
    // The control window is going away: every later call fails.
    void Disconnect() { m_pControl = nullptr; }

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetTypeInfoCount(UINT* count) override;
    HRESULT GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* dispids) override;
    HRESULT Invoke(DISPID dispid, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excepInfo, UINT* argError) override;

    // What an operation answers: a failure carries a description for the caller's report.
    struct Outcome {
        HRESULT hr = S_OK;
        const char16_t* description = nullptr;
    };

private:
    explicit WebBrowserAutomation(WebBrowserControl* control) : m_pControl(control) {}
    ~WebBrowserAutomation() = default;

    Outcome GoBack(const DISPPARAMS& params, VARIANT* result);
    Outcome GoForward(const DISPPARAMS& params, VARIANT* result);
    Outcome Navigate(const DISPPARAMS& params, VARIANT* result);
    Outcome Stop(const DISPPARAMS& params, VARIANT* result);
    Outcome Refresh(const DISPPARAMS& params, VARIANT* result);
    Outcome GetApplication(const DISPPARAMS& params, VARIANT* result);
    Outcome GetDocument(const DISPPARAMS& params, VARIANT* result);
    Outcome GetLocationURL(const DISPPARAMS& params, VARIANT* result);
    Outcome GetBusy(const DISPPARAMS& params, VARIANT* result);
    Outcome ExecWB(const DISPPARAMS& params, VARIANT* result);
    Outcome PutSilent(const DISPPARAMS& params, VARIANT* result);

    using Operation = Outcome (WebBrowserAutomation::*)(const DISPPARAMS&, VARIANT*);
    struct OperationEntry {
        DISPID dispid;
        WORD kind;  // DISPATCH_METHOD, DISPATCH_PROPERTYGET or DISPATCH_PROPERTYPUT
        UINT minArgs;
        UINT maxArgs;
        Operation operation;
    };
    static const OperationEntry kOperations[];

    WebBrowserControl* m_pControl;
    ULONG m_cRef = 1;
};

}  // namespace qx::web
