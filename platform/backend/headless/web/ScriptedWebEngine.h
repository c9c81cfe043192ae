#pragma once
// The headless web engine: loads the pages a test scripted in a ScriptedWeb and raises their
// events on the given clock, in the order the WebKit engine raises them for a real load:
//   BeforeNavigate, DownloadBegin, ProgressChange, NavigateComplete, TitleChange,
//   ProgressChange..., DownloadComplete, DocumentComplete.
// A failed load raises NavigateError and DownloadComplete, then shows the error page as a load
// of its own (DownloadBegin ... DocumentComplete with the failed address), like the real one.

#include "platform/backend/headless/web/ScriptedWeb.h"
#include "platform/backend/headless/web/WebClock.h"
#include "platform/webcontrol/WebEngine.h"

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace qx::web {

class ScriptedWebEngine : public WebEngine {
public:
    ScriptedWebEngine(ScriptedWeb& web, WebClock& clock);
    ~ScriptedWebEngine() override;
    ScriptedWebEngine(const ScriptedWebEngine&) = delete;
    ScriptedWebEngine& operator=(const ScriptedWebEngine&) = delete;

    void SetListener(WebEngineListener* listener) override { m_pListener = listener; }
    void Navigate(std::u16string_view address) override;
    bool GoBack() override;
    bool GoForward() override;
    void Stop() override;
    void Refresh() override;
    std::u16string LocationURL() const override { return m_strLocation; }
    std::optional<std::u16string> Title() const override;
    bool IsBusy() const override { return m_pLoad != nullptr; }
    bool ExecCommand(WebCommand command) override;
    void SetSilent(bool silent) override { m_bSilent = silent; }
    void SetPlacement(const RECT& rect, bool visible) override;

    // What a user or the shown page does, raised at once:
    // The pointer moves onto a link (its address) or off any link; repeats raise nothing.
    void HoverLink(const std::optional<std::u16string>& link);
    // The page's script sets the status text, null included.
    void SetStatusText(const std::optional<std::u16string>& text);
    // The page's script changes its title, null included.
    void SetDocumentTitle(const std::optional<std::u16string>& title);
    // The page's script asks for a new window now; ignored while there is no document.
    void RequestPopup(const std::optional<std::u16string>& url);
    // The process rendering the page dies: the load ends without events, the page goes blank.
    void CrashWebProcess();

    // What the engine did, for tests.
    const std::vector<WebCommand>& ExecutedCommands() const { return m_commands; }
    bool IsSilent() const { return m_bSilent; }
    int AlertsShown() const { return m_nAlertsShown; }
    const RECT& Placement() const { return m_rcPlacement; }
    bool IsVisible() const { return m_bVisible; }
    const std::vector<std::u16string>& History() const { return m_history; }
    int HistoryIndex() const { return m_nHistoryIndex; }

private:
    enum class LoadKind { Normal, Back, Forward, Reload, ErrorPage, BlankPopup };

    struct Request {
        std::u16string url;
        LoadKind kind = LoadKind::Normal;
        int historyIndex = -1;          // the entry Back and Forward go to
        std::u16string failureReason;   // what the error page says
    };

    struct Load {
        Request request;
        ScriptedPage page;
        std::vector<WebClock::TimerId> timers;
        bool committed = false;
    };

    void StartRequest(Request request);
    void BeginLoad(Request request);
    void Commit();
    void ReportProgress(std::int32_t progress);
    void Finish();
    void FailBeforeCommit();
    void EndLoad(bool raiseComplete);
    void EnterHistory(const Request& request);
    void FirePopup(std::uint64_t document, const std::optional<std::u16string>& url);
    bool IsFresh() const;
    void OpenAsPopup(const std::optional<std::u16string>& url);

    WebClock::TimerId After(std::uint32_t delayMs, std::function<void()> callback);
    void CancelTimer(WebClock::TimerId id);
    // Runs event with the listener, if any. False when, meanwhile, the engine was destroyed
    // or the load in hand was replaced: the caller must then stop touching it.
    template <typename Event>
    bool Raise(Event&& event);

    ScriptedWeb& m_web;
    WebClock& m_clock;
    WebEngineListener* m_pListener = nullptr;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    std::set<WebClock::TimerId> m_timers;

    std::optional<WebClock::TimerId> m_pendingRequest;
    std::unique_ptr<Load> m_pLoad;
    std::uint64_t m_nLoadGeneration = 0;
    std::uint64_t m_nDocument = 0;  // grows with every document shown (and lost)

    bool m_bHasDocument = false;
    bool m_bEverRequested = false;
    std::u16string m_strLocation;
    std::u16string m_strTitle;
    std::u16string m_strStatus;
    std::vector<std::u16string> m_history;
    int m_nHistoryIndex = -1;

    bool m_bSilent = false;
    int m_nAlertsShown = 0;
    std::vector<WebCommand> m_commands;
    RECT m_rcPlacement{};
    bool m_bVisible = false;
};

}  // namespace qx::web
