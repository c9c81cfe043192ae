#include "platform/webcontrol/WebBrowserControl.h"

#include "platform/framework/ControlHosting.h"
#include "platform/webcontrol/WebBrowserAutomation.h"
#include "platform/webcontrol/WebEngineFactory.h"
#include "platform/win/WinApi.h"

#include <map>

namespace qx::web {
namespace {

// Every live control, owned here on behalf of its window. Never destroyed: at exit, engines
// may refer to things already gone.
std::map<HWND, std::unique_ptr<WebBrowserControl>>& Controls() {
    static auto* controls = new std::map<HWND, std::unique_ptr<WebBrowserControl>>();
    return *controls;
}

LRESULT OnCreate(HWND hwnd) {
    std::unique_ptr<WebEngine> engine = CreateWebEngine(hwnd);
    // Without an engine there is no page to show: the window is not made, as for a control
    // that is not installed.
    if (!engine) return -1;
    auto control = std::make_unique<WebBrowserControl>(hwnd, std::move(engine));
    WebBrowserControl* made = control.get();
    Controls()[hwnd] = std::move(control);
    made->UpdatePlacement();
    return 0;
}

LRESULT OnGetControlDispatch(WebBrowserControl* control, LPARAM lParam) {
    auto* out = reinterpret_cast<IDispatch**>(lParam);
    if (!control || !out) return FALSE;
    WebBrowserAutomation* automation = control->Automation();
    automation->AddRef();
    *out = automation;
    return TRUE;
}

LRESULT WebBrowserWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WebBrowserControl* control = WebBrowserControl::FromHandle(hwnd);
    switch (message) {
    case WM_CREATE:
        return OnCreate(hwnd);
    case WM_SIZE:
        if (control) control->UpdatePlacement();
        return 0;
    case WM_WINDOWPOSCHANGED: {
        const LRESULT result = ::DefWindowProcW(hwnd, message, wParam, lParam);
        // Showing and hiding come only this way; the control may be gone after the default.
        if (WebBrowserControl* still = WebBrowserControl::FromHandle(hwnd)) still->UpdatePlacement();
        return result;
    }
    case WM_ERASEBKGND:
        // The page covers the whole client area.
        return TRUE;
    case WM_QX_GETCONTROLDISPATCH:
        return OnGetControlDispatch(control, lParam);
    case WM_QX_SETCONTROLEVENTSINK:
        if (!control) return FALSE;
        control->SetEventSink(reinterpret_cast<IDispatch*>(lParam));
        return TRUE;
    case WM_NCDESTROY: {
        // Taken out of the table before it is destroyed, so nothing finds a control halfway gone.
        if (auto node = Controls().extract(hwnd)) node.mapped().reset();
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    default:
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

void RegisterWebBrowserControl() {
    WNDCLASSW existing;
    if (!::GetClassInfoW(nullptr, kWebBrowserClassName, &existing)) {
        WNDCLASSW wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &WebBrowserWndProc;
        wc.lpszClassName = kWebBrowserClassName;
        ::RegisterClassW(&wc);
    }
    qx::fw::RegisterControlClass(CLSID_WebBrowser, kWebBrowserClassName);
}

WebBrowserControl* WebBrowserControl::FromHandle(HWND hwnd) {
    auto it = Controls().find(hwnd);
    return it == Controls().end() ? nullptr : it->second.get();
}

WebBrowserControl::WebBrowserControl(HWND hwnd, std::unique_ptr<WebEngine> engine)
    : m_hWnd(hwnd), m_pEngine(std::move(engine)), m_pAutomation(WebBrowserAutomation::Create(this)) {
    m_pEngine->SetListener(this);
}

WebBrowserControl::~WebBrowserControl() {
    // Events still on their way up find the control gone and stop.
    m_alive.reset();
    m_pEngine->SetListener(nullptr);
    m_pEngine.reset();
    m_pAutomation->Disconnect();
    m_pAutomation->Release();
    if (m_pSink) m_pSink->Release();
}

void WebBrowserControl::SetEventSink(IDispatch* sink) {
    if (sink) sink->AddRef();
    IDispatch* old = m_pSink;
    m_pSink = sink;
    if (old) old->Release();
}

void WebBrowserControl::UpdatePlacement() {
    RECT rc{};
    ::GetClientRect(m_hWnd, &rc);
    const bool visible = (static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)) & WS_VISIBLE) != 0;
    m_pEngine->SetPlacement(rc, visible);
}

}  // namespace qx::web
