#include "platform/backend/gtk/web/WebKitEngine.h"

#include "platform/backend/gtk/web/WebKitDialogs.h"
#include "platform/backend/gtk/web/WebKitFindBar.h"
#include "platform/backend/gtk/web/WebKitSession.h"
#include "platform/base/Strings.h"
#include "platform/webcontrol/WebAddress.h"
#include "platform/webcontrol/WebErrorPage.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace qx::web {
namespace {

constexpr std::int32_t kProgressMax = 10000;

// How deep we are inside WebKit's signal emissions. A view must not be destroyed in the middle
// of one of its own emissions, so an engine that goes away inside one leaves its widgets to an
// idle callback.
int s_nSignalDepth = 0;

struct SignalScope {
    SignalScope() { ++s_nSignalDepth; }
    ~SignalScope() { --s_nSignalDepth; }
    SignalScope(const SignalScope&) = delete;
    SignalScope& operator=(const SignalScope&) = delete;
};

void DestroyRoot(GtkWidget* root) {
    if (GtkWidget* parent = gtk_widget_get_parent(root)) gtk_container_remove(GTK_CONTAINER(parent), root);
    gtk_widget_destroy(root);
    g_object_unref(root);
}

gboolean DestroyRootLater(gpointer root) {
    DestroyRoot(GTK_WIDGET(root));
    return G_SOURCE_REMOVE;
}

std::u16string Wide(const char* text) { return Utf8ToWide(text ? text : ""); }

// Errors that end a load on purpose, with no page to show for them.
bool IsQuietFailure(const GError* error) {
    return g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED) ||
           g_error_matches(error, WEBKIT_POLICY_ERROR, WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE) ||
           g_error_matches(error, WEBKIT_PLUGIN_ERROR, WEBKIT_PLUGIN_ERROR_WILL_HANDLE_LOAD);
}

std::string DescribeTlsErrors(GTlsCertificateFlags errors) {
    struct Reason {
        GTlsCertificateFlags flag;
        const char* text;
    };
    static const Reason reasons[] = {
        {G_TLS_CERTIFICATE_UNKNOWN_CA, "the certificate is not signed by a trusted authority"},
        {G_TLS_CERTIFICATE_BAD_IDENTITY, "the certificate belongs to another site"},
        {G_TLS_CERTIFICATE_NOT_ACTIVATED, "the certificate is not valid yet"},
        {G_TLS_CERTIFICATE_EXPIRED, "the certificate has expired"},
        {G_TLS_CERTIFICATE_REVOKED, "the certificate has been revoked"},
        {G_TLS_CERTIFICATE_INSECURE, "the certificate uses an insecure algorithm"},
        {G_TLS_CERTIFICATE_GENERIC_ERROR, "the certificate could not be checked"},
    };
    std::string text;
    for (const Reason& reason : reasons) {
        if (errors & reason.flag) text += (text.empty() ? "" : "; ") + std::string(reason.text);
    }
    return "The secure connection failed: " + (text.empty() ? std::string("unknown certificate error") : text);
}

std::u16string RequestHeaders(WebKitURIRequest* request) {
    std::string lines;
    if (SoupMessageHeaders* headers = webkit_uri_request_get_http_headers(request)) {
        soup_message_headers_foreach(
            headers,
            [](const char* name, const char* value, gpointer out) {
                *static_cast<std::string*>(out) += std::string(name) + ": " + value + "\r\n";
            },
            &lines);
    }
    return Utf8ToWide(lines);
}

WebProcessExit ExitOf(WebKitWebProcessTerminationReason reason) {
    switch (reason) {
    case WEBKIT_WEB_PROCESS_EXCEEDED_MEMORY_LIMIT: return WebProcessExit::ExceededMemory;
    case WEBKIT_WEB_PROCESS_TERMINATED_BY_API: return WebProcessExit::TerminatedByApi;
    default: return WebProcessExit::Crashed;
    }
}

}  // namespace

WebKitEngine::WebKitEngine() {
    m_pRoot = gtk_overlay_new();
    g_object_ref_sink(m_pRoot);
    m_pFindBar = std::make_unique<WebKitFindBar>();
    gtk_overlay_add_overlay(GTK_OVERLAY(m_pRoot), m_pFindBar->Widget());
    AttachView(NewView(nullptr));
    gtk_widget_show(m_pRoot);
}

WebKitEngine::~WebKitEngine() {
    m_alive.reset();
    if (m_pSaveDialog) gtk_widget_destroy(m_pSaveDialog);
    if (m_pPrintDialog) gtk_widget_destroy(m_pPrintDialog);
    if (m_pView) g_signal_handlers_disconnect_by_data(m_pView, this);
    m_pFindBar.reset();
    if (m_pParent) g_object_remove_weak_pointer(G_OBJECT(m_pParent), reinterpret_cast<gpointer*>(&m_pParent));
    if (s_nSignalDepth > 0) {
        gtk_widget_hide(m_pRoot);
        g_idle_add(DestroyRootLater, m_pRoot);
    } else {
        DestroyRoot(m_pRoot);
    }
}

template <typename Event>
bool WebKitEngine::Raise(Event&& event) {
    if (!m_pListener) return true;
    const std::weak_ptr<bool> alive = m_alive;
    event(*m_pListener);
    return !alive.expired();
}

// --- The view ---

WebKitWebView* WebKitEngine::NewView(WebKitWebView* relatedTo) {
    // A pop-up's view must be made related to its opener: same web process, same session.
    GtkWidget* view = relatedTo ? webkit_web_view_new_with_related_view(relatedTo)
                                : GTK_WIDGET(g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", SharedWebContext(), nullptr));
    // Pages may ask for windows at any time; whether one opens is the control's decision.
    WebKitSettings* settings = webkit_web_view_get_settings(WEBKIT_WEB_VIEW(view));
    webkit_settings_set_javascript_can_open_windows_automatically(settings, TRUE);
    return WEBKIT_WEB_VIEW(view);
}

void WebKitEngine::AttachView(WebKitWebView* view) {
    m_pView = view;
    gtk_container_add(GTK_CONTAINER(m_pRoot), GTK_WIDGET(view));
    gtk_widget_show(GTK_WIDGET(view));
    g_signal_connect(view, "decide-policy", G_CALLBACK(OnDecidePolicy), this);
    g_signal_connect(view, "load-changed", G_CALLBACK(OnLoadChanged), this);
    g_signal_connect(view, "load-failed", G_CALLBACK(OnLoadFailed), this);
    g_signal_connect(view, "load-failed-with-tls-errors", G_CALLBACK(OnTlsErrors), this);
    g_signal_connect(view, "notify::estimated-load-progress", G_CALLBACK(OnProgress), this);
    g_signal_connect(view, "notify::title", G_CALLBACK(OnTitle), this);
    g_signal_connect(view, "notify::uri", G_CALLBACK(OnUri), this);
    g_signal_connect(view, "notify::is-loading", G_CALLBACK(OnLoading), this);
    g_signal_connect(view, "mouse-target-changed", G_CALLBACK(OnMouseTarget), this);
    g_signal_connect(view, "create", G_CALLBACK(OnCreate), this);
    g_signal_connect(view, "script-dialog", G_CALLBACK(OnScriptDialog), this);
    g_signal_connect(view, "web-process-terminated", G_CALLBACK(OnProcessTerminated), this);
    m_pFindBar->SetView(view);
}

void WebKitEngine::DetachView() {
    if (!m_pView) return;
    g_signal_handlers_disconnect_by_data(m_pView, this);
    m_pFindBar->SetView(nullptr);
    gtk_container_remove(GTK_CONTAINER(m_pRoot), GTK_WIDGET(m_pView));
    m_pView = nullptr;
}

// --- Commands ---

void WebKitEngine::Navigate(std::u16string_view address) {
    const std::string url = WideToUtf8(MapWebAddress(address));
    m_bEverRequested = true;
    webkit_web_view_load_uri(m_pView, url.c_str());
}

bool WebKitEngine::GoBack() {
    if (!webkit_web_view_can_go_back(m_pView)) return false;
    webkit_web_view_go_back(m_pView);
    return true;
}

bool WebKitEngine::GoForward() {
    if (!webkit_web_view_can_go_forward(m_pView)) return false;
    webkit_web_view_go_forward(m_pView);
    return true;
}

void WebKitEngine::Stop() { webkit_web_view_stop_loading(m_pView); }

void WebKitEngine::Refresh() { webkit_web_view_reload(m_pView); }

std::optional<std::u16string> WebKitEngine::Title() const {
    if (!m_bHasDocument) return std::nullopt;
    return Wide(webkit_web_view_get_title(m_pView));
}

bool WebKitEngine::IsBusy() const { return m_bLoadStarted && webkit_web_view_is_loading(m_pView); }

bool WebKitEngine::ExecCommand(WebCommand command) {
    switch (command) {
    case WebCommand::Find:
        m_pFindBar->Show();
        return true;
    case WebCommand::SaveAs:
    case WebCommand::Print: {
        if (!m_bHasDocument) return false;
        GtkWidget*& dialog = command == WebCommand::SaveAs ? m_pSaveDialog : m_pPrintDialog;
        if (dialog) {
            gtk_window_present(GTK_WINDOW(dialog));
            return true;
        }
        dialog = command == WebCommand::SaveAs ? ShowSaveAsDialog(m_pView) : ShowPrintDialog(m_pView);
        g_object_add_weak_pointer(G_OBJECT(dialog), reinterpret_cast<gpointer*>(&dialog));
        return true;
    }
    }
    return false;
}

// --- Placement ---

void WebKitEngine::SetParentContainer(GtkWidget* container) {
    if (container == m_pParent) return;
    if (GtkWidget* old = gtk_widget_get_parent(m_pRoot)) gtk_container_remove(GTK_CONTAINER(old), m_pRoot);
    if (m_pParent) g_object_remove_weak_pointer(G_OBJECT(m_pParent), reinterpret_cast<gpointer*>(&m_pParent));
    m_pParent = container;
    if (!m_pParent) return;
    g_object_add_weak_pointer(G_OBJECT(m_pParent), reinterpret_cast<gpointer*>(&m_pParent));
    if (GTK_IS_FIXED(m_pParent)) {
        gtk_fixed_put(GTK_FIXED(m_pParent), m_pRoot, m_rcPlacement.left, m_rcPlacement.top);
    } else if (GTK_IS_LAYOUT(m_pParent)) {
        gtk_layout_put(GTK_LAYOUT(m_pParent), m_pRoot, m_rcPlacement.left, m_rcPlacement.top);
    } else {
        gtk_container_add(GTK_CONTAINER(m_pParent), m_pRoot);
    }
    ApplyPlacement();
}

void WebKitEngine::SetPlacement(const RECT& rect, bool visible) {
    m_rcPlacement = rect;
    m_bVisible = visible;
    ApplyPlacement();
}

void WebKitEngine::ApplyPlacement() {
    const int width = std::max<LONG>(0, m_rcPlacement.right - m_rcPlacement.left);
    const int height = std::max<LONG>(0, m_rcPlacement.bottom - m_rcPlacement.top);
    gtk_widget_set_size_request(m_pRoot, width, height);
    if (m_pParent && gtk_widget_get_parent(m_pRoot) == m_pParent) {
        if (GTK_IS_FIXED(m_pParent)) {
            gtk_fixed_move(GTK_FIXED(m_pParent), m_pRoot, m_rcPlacement.left, m_rcPlacement.top);
        } else if (GTK_IS_LAYOUT(m_pParent)) {
            gtk_layout_move(GTK_LAYOUT(m_pParent), m_pRoot, m_rcPlacement.left, m_rcPlacement.top);
        }
    }
    gtk_widget_set_visible(m_pRoot, m_bVisible);
}

// --- Pop-ups ---

bool WebKitEngine::CanBecomePopup() const { return !m_bEverRequested && !m_bHasDocument && !m_bLoadStarted; }

GtkWidget* WebKitEngine::BecomePopupOf(WebKitWebView* opener) {
    DetachView();
    AttachView(NewView(opener));
    m_bEverRequested = true;
    return GTK_WIDGET(m_pView);
}

// --- Events ---

void WebKitEngine::ShowErrorPage(const char* url, const std::string& reason) {
    const std::string page = BuildErrorPage(Wide(url), Utf8ToWide(reason));
    webkit_web_view_load_alternate_html(m_pView, page.c_str(), url, url);
}

void WebKitEngine::RaiseProgress() {
    const auto value = static_cast<std::int32_t>(std::lround(webkit_web_view_get_estimated_load_progress(m_pView) * kProgressMax));
    if (value == m_nLastProgress) return;
    m_nLastProgress = value;
    Raise([&](WebEngineListener& l) { l.OnProgressChange(value, kProgressMax); });
}

gboolean WebKitEngine::OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision, WebKitPolicyDecisionType type,
                                      gpointer self) {
    // FIXME: responses the view cannot show (files to download) are left to WebKit's default
    // decision; they should be saved to the user's download folder.
    if (type != WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION) return FALSE;
    const SignalScope scope;
    auto* engine = static_cast<WebKitEngine*>(self);
    WebKitNavigationAction* action =
        webkit_navigation_policy_decision_get_navigation_action(WEBKIT_NAVIGATION_POLICY_DECISION(decision));
    WebKitURIRequest* request = webkit_navigation_action_get_request(action);
    // WebKitGTK does not hand out the request body, so a post is reported without one.
    const NavigationRequest navigation{Wide(webkit_uri_request_get_uri(request)),
                                       Wide(webkit_navigation_action_get_frame_name(action)),
                                       RequestHeaders(request), std::nullopt};
    bool cancel = false;
    if (!engine->Raise([&](WebEngineListener& l) { l.OnBeforeNavigate(navigation, cancel); })) return FALSE;
    if (!cancel) return FALSE;
    webkit_policy_decision_ignore(decision);
    return TRUE;
}

void WebKitEngine::OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer self) {
    const SignalScope scope;
    auto* engine = static_cast<WebKitEngine*>(self);
    switch (event) {
    case WEBKIT_LOAD_STARTED:
        engine->m_bLoadStarted = true;
        engine->m_bLoadCommitted = false;
        engine->m_bLoadFailed = false;
        engine->m_nLastProgress = -1;
        if (!engine->Raise([](WebEngineListener& l) { l.OnDownloadBegin(); })) return;
        engine->RaiseProgress();
        break;
    case WEBKIT_LOAD_COMMITTED:
        engine->m_bLoadCommitted = true;
        engine->m_bHasDocument = true;
        engine->m_strLocation = Wide(webkit_web_view_get_uri(engine->m_pView));
        engine->Raise([&](WebEngineListener& l) { l.OnNavigateComplete(engine->m_strLocation); });
        break;
    case WEBKIT_LOAD_FINISHED: {
        engine->m_bLoadStarted = false;
        const bool complete = engine->m_bLoadCommitted && !engine->m_bLoadFailed;
        const std::u16string url = engine->m_strLocation;
        if (!engine->Raise([](WebEngineListener& l) { l.OnDownloadComplete(); })) return;
        if (complete) engine->Raise([&](WebEngineListener& l) { l.OnDocumentComplete(url); });
        break;
    }
    case WEBKIT_LOAD_REDIRECTED:
        break;
    }
}

gboolean WebKitEngine::OnLoadFailed(WebKitWebView*, WebKitLoadEvent event, gchar* uri, GError* error, gpointer self) {
    const SignalScope scope;
    auto* engine = static_cast<WebKitEngine*>(self);
    engine->m_bLoadFailed = true;
    if (IsQuietFailure(error)) return FALSE;
    // Before a document arrived the tab would keep showing the previous page as if nothing had
    // happened; the error page says what went wrong instead. The page is asked for before the
    // event goes out, so a navigation the listener starts from the event still wins.
    if (event != WEBKIT_LOAD_COMMITTED) engine->ShowErrorPage(uri, error->message);
    const std::u16string url = Wide(uri);
    const std::int32_t code = error->code;
    engine->Raise([&](WebEngineListener& l) { l.OnNavigateError(url, code); });
    return TRUE;
}

gboolean WebKitEngine::OnTlsErrors(WebKitWebView*, gchar* uri, GTlsCertificate*, GTlsCertificateFlags errors,
                                   gpointer self) {
    const SignalScope scope;
    auto* engine = static_cast<WebKitEngine*>(self);
    engine->m_bLoadFailed = true;
    engine->ShowErrorPage(uri, DescribeTlsErrors(errors));
    const std::u16string url = Wide(uri);
    engine->Raise([&](WebEngineListener& l) { l.OnNavigateError(url, static_cast<std::int32_t>(errors)); });
    return TRUE;
}

void WebKitEngine::OnProgress(GObject*, GParamSpec*, gpointer self) {
    const SignalScope scope;
    auto* engine = static_cast<WebKitEngine*>(self);
    // The view estimates before the navigation is even decided; reports start with the load.
    if (engine->m_bLoadStarted) engine->RaiseProgress();
}

void WebKitEngine::OnTitle(GObject*, GParamSpec*, gpointer self) {
    const SignalScope scope;
    auto* engine = static_cast<WebKitEngine*>(self);
    const char* title = webkit_web_view_get_title(engine->m_pView);
    const std::optional<std::u16string> text = title ? std::optional(Utf8ToWide(title)) : std::nullopt;
    engine->Raise([&](WebEngineListener& l) { l.OnTitleChange(text); });
}

// The view's address runs ahead of what it shows (it names a page still being requested), so
// the shown address is taken when a document arrives, and otherwise only while nothing loads:
// moves within the document (anchors, history.pushState) and returns to the shown page after a
// failed or stopped request.
void WebKitEngine::OnUri(GObject*, GParamSpec*, gpointer self) {
    auto* engine = static_cast<WebKitEngine*>(self);
    const char* uri = webkit_web_view_get_uri(engine->m_pView);
    if (engine->m_bHasDocument && !webkit_web_view_is_loading(engine->m_pView) && uri && *uri) {
        engine->m_strLocation = Utf8ToWide(uri);
    }
}

void WebKitEngine::OnLoading(GObject* view, GParamSpec* spec, gpointer self) { OnUri(view, spec, self); }

void WebKitEngine::OnMouseTarget(WebKitWebView*, WebKitHitTestResult* hit, guint, gpointer self) {
    const SignalScope scope;
    auto* engine = static_cast<WebKitEngine*>(self);
    // Off a link the text is empty rather than null, so that the status line is cleared.
    const std::u16string text =
        webkit_hit_test_result_context_is_link(hit) ? Wide(webkit_hit_test_result_get_link_uri(hit)) : std::u16string();
    if (text == engine->m_strStatus) return;
    engine->m_strStatus = text;
    engine->Raise([&](WebEngineListener& l) { l.OnStatusTextChange(text); });
}

GtkWidget* WebKitEngine::OnCreate(WebKitWebView* view, WebKitNavigationAction* action, gpointer self) {
    const SignalScope scope;
    auto* engine = static_cast<WebKitEngine*>(self);
    const char* uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
    const bool hasAddress = uri && *uri && std::strcmp(uri, "about:blank") != 0;
    const std::u16string url = Wide(uri);
    bool cancel = false;
    WebEngine* host = nullptr;
    const bool alive = hasAddress
        ? engine->Raise([&](WebEngineListener& l) { l.OnNewWindow3(url, cancel, host); })
        : engine->Raise([&](WebEngineListener& l) { l.OnNewWindow2(cancel, host); });
    if (!alive || cancel || !host || host == engine) return nullptr;
    // A fresh engine becomes the new window itself, so the opener keeps its hold on it (script
    // that writes into the window it opened). One that has shown pages cannot be related to
    // the opener any more and can only be sent to the address.
    if (auto* webkitHost = dynamic_cast<WebKitEngine*>(host); webkitHost && webkitHost->CanBecomePopup()) {
        return webkitHost->BecomePopupOf(view);
    }
    if (hasAddress) host->Navigate(url);
    return nullptr;
}

gboolean WebKitEngine::OnScriptDialog(WebKitWebView*, WebKitScriptDialog* dialog, gpointer self) {
    auto* engine = static_cast<WebKitEngine*>(self);
    if (!engine->m_bSilent) return FALSE;
    // Answered as a user who closes every dialog would: no to a question, nothing to a prompt,
    // and leaving a page is never held up.
    switch (webkit_script_dialog_get_dialog_type(dialog)) {
    case WEBKIT_SCRIPT_DIALOG_CONFIRM: webkit_script_dialog_confirm_set_confirmed(dialog, FALSE); break;
    case WEBKIT_SCRIPT_DIALOG_BEFORE_UNLOAD_CONFIRM: webkit_script_dialog_confirm_set_confirmed(dialog, TRUE); break;
    default: break;
    }
    return TRUE;
}

void WebKitEngine::OnProcessTerminated(WebKitWebView*, WebKitWebProcessTerminationReason reason, gpointer self) {
    const SignalScope scope;
    auto* engine = static_cast<WebKitEngine*>(self);
    engine->m_bLoadStarted = false;
    engine->m_bHasDocument = false;
    const WebProcessExit exit = ExitOf(reason);
    engine->Raise([&](WebEngineListener& l) { l.OnWebProcessTerminated(exit); });
}

}  // namespace qx::web
