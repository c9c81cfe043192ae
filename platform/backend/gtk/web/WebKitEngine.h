#pragma once
// The web engine for users: one WebKitWebView, in the shared web context, turned into the
// control's commands and events.
//
//   decide-policy (navigation)       BeforeNavigate; cancel ignores the navigation
//   load-changed STARTED             DownloadBegin, then ProgressChange with the estimate so far
//   load-changed COMMITTED           NavigateComplete
//   estimated-load-progress          ProgressChange (value * 10000 of 10000), while a load runs
//   notify::title                    TitleChange
//   load-changed FINISHED            DownloadComplete, then DocumentComplete unless it failed
//   load-failed / TLS errors         NavigateError, and the error page in place of the page
//   mouse-target-changed             StatusTextChange (a link's address; empty off links)
//   create                           NewWindow3 with the address, NewWindow2 without one
//   web-process-terminated           WebProcessTerminated
//   is-loading                       IsBusy (from the load's start to its end)

#include "platform/webcontrol/WebEngine.h"

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <memory>

namespace qx::web {

class WebKitFindBar;

class WebKitEngine : public WebEngine {
public:
    WebKitEngine();
    ~WebKitEngine() override;
    WebKitEngine(const WebKitEngine&) = delete;
    WebKitEngine& operator=(const WebKitEngine&) = delete;

    void SetListener(WebEngineListener* listener) override { m_pListener = listener; }
    void Navigate(std::u16string_view address) override;
    bool GoBack() override;
    bool GoForward() override;
    void Stop() override;
    void Refresh() override;
    std::u16string LocationURL() const override { return m_strLocation; }
    std::optional<std::u16string> Title() const override;
    bool IsBusy() const override;
    bool ExecCommand(WebCommand command) override;
    void SetSilent(bool silent) override { m_bSilent = silent; }
    void SetPlacement(const RECT& rect, bool visible) override;

    // The container the page's widget lives in. In a GtkFixed or GtkLayout the placement
    // rectangle positions it; any other container just holds it. nullptr takes it out.
    void SetParentContainer(GtkWidget* container);
    // The engine's own widget: the page with the find bar over it.
    GtkWidget* Widget() const { return m_pRoot; }
    // The view showing the page now (a pop-up this engine hosts replaces the first one).
    WebKitWebView* WebView() const { return m_pView; }
    WebKitFindBar& FindBar() const { return *m_pFindBar; }

private:
    WebKitWebView* NewView(WebKitWebView* relatedTo);
    void AttachView(WebKitWebView* view);
    void DetachView();
    void ApplyPlacement();
    bool CanBecomePopup() const;
    GtkWidget* BecomePopupOf(WebKitWebView* opener);
    void ShowErrorPage(const char* url, const std::string& reason);
    void RaiseProgress();

    template <typename Event>
    bool Raise(Event&& event);

    static gboolean OnDecidePolicy(WebKitWebView* view, WebKitPolicyDecision* decision,
                                   WebKitPolicyDecisionType type, gpointer self);
    static void OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer self);
    static gboolean OnLoadFailed(WebKitWebView* view, WebKitLoadEvent event, gchar* uri, GError* error,
                                 gpointer self);
    static gboolean OnTlsErrors(WebKitWebView* view, gchar* uri, GTlsCertificate* certificate,
                                GTlsCertificateFlags errors, gpointer self);
    static void OnProgress(GObject* view, GParamSpec* spec, gpointer self);
    static void OnTitle(GObject* view, GParamSpec* spec, gpointer self);
    static void OnUri(GObject* view, GParamSpec* spec, gpointer self);
    static void OnLoading(GObject* view, GParamSpec* spec, gpointer self);
    static void OnMouseTarget(WebKitWebView* view, WebKitHitTestResult* hit, guint modifiers, gpointer self);
    static GtkWidget* OnCreate(WebKitWebView* view, WebKitNavigationAction* action, gpointer self);
    static gboolean OnScriptDialog(WebKitWebView* view, WebKitScriptDialog* dialog, gpointer self);
    static void OnProcessTerminated(WebKitWebView* view, WebKitWebProcessTerminationReason reason, gpointer self);

    WebEngineListener* m_pListener = nullptr;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);

    GtkWidget* m_pRoot = nullptr;       // a GtkOverlay; owned through a reference of our own
    WebKitWebView* m_pView = nullptr;   // held by m_pRoot
    std::unique_ptr<WebKitFindBar> m_pFindBar;
    GtkWidget* m_pParent = nullptr;
    GtkWidget* m_pSaveDialog = nullptr;   // cleared by GTK when the dialog goes
    GtkWidget* m_pPrintDialog = nullptr;  // likewise
    RECT m_rcPlacement{};
    bool m_bVisible = true;

    bool m_bSilent = false;
    bool m_bEverRequested = false;  // any page asked for, by us or as someone's pop-up
    bool m_bHasDocument = false;
    bool m_bLoadStarted = false;
    bool m_bLoadCommitted = false;
    bool m_bLoadFailed = false;
    std::int32_t m_nLastProgress = -1;
    std::u16string m_strLocation;
    std::u16string m_strStatus;
};

}  // namespace qx::web
