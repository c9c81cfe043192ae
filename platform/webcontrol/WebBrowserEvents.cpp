// The engine's events, fired into the container's sink as DWebBrowserEvents2.

#include "platform/webcontrol/EventArguments.h"
#include "platform/webcontrol/WebBrowserAutomation.h"
#include "platform/webcontrol/WebBrowserControl.h"
#include "platform/webcontrol/WebBrowserDispids.h"

namespace qx::web {

bool WebBrowserControl::Fire(DISPID dispid, EventArguments& args) {
    if (!m_pSink) return true;
    const std::weak_ptr<bool> alive = m_alive;
    // The receiver may drop the sink, or destroy the control, while it handles the event.
    IDispatch* sink = m_pSink;
    sink->AddRef();
    sink->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, args.Params(), nullptr, nullptr, nullptr);
    sink->Release();
    return !alive.expired();
}

WebEngine* WebBrowserControl::HostFor(IDispatch* object) {
    if (!object) return nullptr;
    void* found = nullptr;
    if (FAILED(object->QueryInterface(IID_IQXWebBrowserAutomation, &found)) || !found) return nullptr;
    auto* automation = static_cast<WebBrowserAutomation*>(found);
    WebBrowserControl* control = automation->Control();
    automation->Release();
    return control ? &control->Engine() : nullptr;
}

void WebBrowserControl::OnBeforeNavigate(const NavigationRequest& request, bool& cancel) {
    EventArguments args;
    VARIANT url = args.TextVariant(request.url);
    VARIANT flags;
    flags.vt = VT_I4;
    flags.lVal = 0;
    VARIANT frame = args.TextVariant(request.frame);
    // The body travels as a variant that refers to the variant holding the byte array.
    VARIANT body;
    if (request.postData) body = args.ByteArrayVariant(*request.postData);
    VARIANT postData;
    postData.vt = VT_VARIANT | VT_BYREF;
    postData.pvarVal = &body;
    VARIANT headers = args.TextVariant(request.headers);
    VARIANT_BOOL cancelFlag = VARIANT_FALSE;
    args.AddDispatch(m_pAutomation);
    args.AddVariantRef(url);
    args.AddVariantRef(flags);
    args.AddVariantRef(frame);
    args.AddVariantRef(postData);
    args.AddVariantRef(headers);
    args.AddBoolRef(cancelFlag);
    if (!Fire(DISPID_BEFORENAVIGATE2, args)) return;
    cancel = cancelFlag != VARIANT_FALSE;
}

void WebBrowserControl::OnDownloadBegin() {
    EventArguments args;
    Fire(DISPID_DOWNLOADBEGIN, args);
}

void WebBrowserControl::OnNavigateComplete(const std::u16string& url) {
    EventArguments args;
    VARIANT address = args.TextVariant(url);
    args.AddDispatch(m_pAutomation);
    args.AddVariantRef(address);
    Fire(DISPID_NAVIGATECOMPLETE2, args);
}

void WebBrowserControl::OnProgressChange(std::int32_t progress, std::int32_t progressMax) {
    EventArguments args;
    args.AddI4(progress);
    args.AddI4(progressMax);
    Fire(DISPID_PROGRESSCHANGE, args);
}

void WebBrowserControl::OnStatusTextChange(const std::optional<std::u16string>& text) {
    EventArguments args;
    args.AddText(text);
    Fire(DISPID_STATUSTEXTCHANGE, args);
}

void WebBrowserControl::OnTitleChange(const std::optional<std::u16string>& title) {
    EventArguments args;
    args.AddText(title);
    Fire(DISPID_TITLECHANGE, args);
}

void WebBrowserControl::OnDownloadComplete() {
    EventArguments args;
    Fire(DISPID_DOWNLOADCOMPLETE, args);
}

void WebBrowserControl::OnDocumentComplete(const std::u16string& url) {
    EventArguments args;
    VARIANT address = args.TextVariant(url);
    args.AddDispatch(m_pAutomation);
    args.AddVariantRef(address);
    Fire(DISPID_DOCUMENTCOMPLETE, args);
}

void WebBrowserControl::OnNavigateError(const std::u16string& url, std::int32_t statusCode) {
    EventArguments args;
    VARIANT address = args.TextVariant(url);
    VARIANT frame = args.TextVariant(u"");
    VARIANT code;
    code.vt = VT_I4;
    code.lVal = statusCode;
    // The engine shows its error page whatever the receiver answers.
    VARIANT_BOOL cancelFlag = VARIANT_FALSE;
    args.AddDispatch(m_pAutomation);
    args.AddVariantRef(address);
    args.AddVariantRef(frame);
    args.AddVariantRef(code);
    args.AddBoolRef(cancelFlag);
    Fire(DISPID_NAVIGATEERROR, args);
}

void WebBrowserControl::OnNewWindow2(bool& cancel, WebEngine*& host) {
    EventArguments args;
    IDispatch* newWindow = nullptr;
    VARIANT_BOOL cancelFlag = VARIANT_FALSE;
    args.AddDispatchRef(newWindow);
    args.AddBoolRef(cancelFlag);
    const bool alive = Fire(DISPID_NEWWINDOW2, args);
    // The receiver hands over a reference with the object; the engine is looked up before it goes.
    WebEngine* found = HostFor(newWindow);
    if (newWindow) newWindow->Release();
    if (!alive) return;
    cancel = cancelFlag != VARIANT_FALSE;
    host = found;
}

void WebBrowserControl::OnNewWindow3(const std::u16string& url, bool& cancel, WebEngine*& host) {
    EventArguments args;
    IDispatch* newWindow = nullptr;
    VARIANT_BOOL cancelFlag = VARIANT_FALSE;
    args.AddDispatchRef(newWindow);
    args.AddBoolRef(cancelFlag);
    // FIXME: the engine does not say whether the user asked for the window; no flags are given.
    args.AddUi4(0);
    args.AddText(m_pEngine->LocationURL());
    args.AddText(url);
    const bool alive = Fire(DISPID_NEWWINDOW3, args);
    WebEngine* found = HostFor(newWindow);
    if (newWindow) newWindow->Release();
    if (!alive) return;
    cancel = cancelFlag != VARIANT_FALSE;
    host = found;
}

void WebBrowserControl::OnWebProcessTerminated(WebProcessExit) {
    // No event of the set stands for it; the engine has reported the lost title already, and
    // Refresh brings the page back.
}

}  // namespace qx::web
