#pragma once
// The web browser control: a window class that hosts one page. Its window owns a WebEngine made
// by the installed factory (WebEngineFactory.h) and places the engine's view over its client
// area. It offers the framework's control hosting: its automation object (WebBrowserAutomation)
// and the sink it fires DWebBrowserEvents2 into, by DISPID, with the event's declared types:
//
//   engine event          fired as
//   BeforeNavigate        BeforeNavigate2 (250): the control, URL*, Flags*, TargetFrameName*,
//                         PostData*, Headers* (VARIANT*), Cancel (VARIANT_BOOL*)
//   DownloadBegin         DownloadBegin (106)
//   NavigateComplete      NavigateComplete2 (252): the control, URL*
//   ProgressChange        ProgressChange (108): Progress, ProgressMax (I4)
//   StatusTextChange      StatusTextChange (102): Text (BSTR, null when the page set none)
//   TitleChange           TitleChange (113): Text (BSTR, null when the document has no title)
//   DownloadComplete      DownloadComplete (104)
//   DocumentComplete      DocumentComplete (259): the control, URL*
//   NavigateError         NavigateError (271): the control, URL*, Frame*, StatusCode*, Cancel*
//   NewWindow2            NewWindow2 (251): ppDisp (IDispatch**), Cancel (VARIANT_BOOL*)
//   NewWindow3            NewWindow3 (273): ppDisp, Cancel, Flags (UI4), URL context, URL (BSTR)
//
// A new-window event whose receiver stores another control's get_Application in ppDisp has the
// new window shown by that control's engine.

#include "platform/ole/Unknown.h"
#include "platform/webcontrol/WebEngine.h"

#include <memory>

namespace qx::web {

class EventArguments;
class WebBrowserAutomation;

// The control's window class, as dialog templates name it.
inline constexpr char16_t kWebBrowserClassName[] = u"QXWebBrowser";

// Registers the window class and the control's class id with the framework; again does nothing.
// Needs the window system to run.
void RegisterWebBrowserControl();

class WebBrowserControl final : public WebEngineListener {
public:
    // The control behind a window of the control's class; null for any other window.
    static WebBrowserControl* FromHandle(HWND hwnd);

    WebBrowserControl(HWND hwnd, std::unique_ptr<WebEngine> engine);
    ~WebBrowserControl() override;
    WebBrowserControl(const WebBrowserControl&) = delete;
    WebBrowserControl& operator=(const WebBrowserControl&) = delete;

    HWND Window() const { return m_hWnd; }
    WebEngine& Engine() const { return *m_pEngine; }
    // The control's automation object (no reference added).
    WebBrowserAutomation* Automation() const { return m_pAutomation; }

    // Events go to sink from now on (a reference is kept); null stops them.
    void SetEventSink(IDispatch* sink);
    // Puts the engine's view over the client area, shown while the window is.
    void UpdatePlacement();

    // The engine's events, fired as DWebBrowserEvents2 (WebBrowserEvents.cpp).
    void OnBeforeNavigate(const NavigationRequest& request, bool& cancel) override;
    void OnDownloadBegin() override;
    void OnNavigateComplete(const std::u16string& url) override;
    void OnProgressChange(std::int32_t progress, std::int32_t progressMax) override;
    void OnStatusTextChange(const std::optional<std::u16string>& text) override;
    void OnTitleChange(const std::optional<std::u16string>& title) override;
    void OnDownloadComplete() override;
    void OnDocumentComplete(const std::u16string& url) override;
    void OnNavigateError(const std::u16string& url, std::int32_t statusCode) override;
    void OnNewWindow2(bool& cancel, WebEngine*& host) override;
    void OnNewWindow3(const std::u16string& url, bool& cancel, WebEngine*& host) override;
    void OnWebProcessTerminated(WebProcessExit reason) override;

private:
    // Fires the event into the sink. False when the control went away during the call: the
    // caller must not touch it any more.
    bool Fire(DISPID dispid, EventArguments& args);
    // The engine of the control behind an object a receiver stored in ppDisp; null for none.
    static WebEngine* HostFor(IDispatch* object);

    HWND m_hWnd;
    std::unique_ptr<WebEngine> m_pEngine;
    WebBrowserAutomation* m_pAutomation = nullptr;  // one reference held
    IDispatch* m_pSink = nullptr;                   // one reference held
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

}  // namespace qx::web
