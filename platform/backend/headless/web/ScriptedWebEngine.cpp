#include "platform/backend/headless/web/ScriptedWebEngine.h"

#include "platform/webcontrol/WebAddress.h"
#include "platform/webcontrol/WebErrorPage.h"

#include <algorithm>

namespace qx::web {
namespace {

constexpr std::int32_t kProgressMax = 10000;
// Where the real engine's estimate stands when a load has just started.
constexpr std::int32_t kProgressAtStart = 1000;

}  // namespace

ScriptedWebEngine::ScriptedWebEngine(ScriptedWeb& web, WebClock& clock) : m_web(web), m_clock(clock) {}

ScriptedWebEngine::~ScriptedWebEngine() {
    m_alive.reset();
    for (const WebClock::TimerId id : m_timers) m_clock.Cancel(id);
}

template <typename Event>
bool ScriptedWebEngine::Raise(Event&& event) {
    if (!m_pListener) return true;
    const std::weak_ptr<bool> alive = m_alive;
    event(*m_pListener);
    return !alive.expired();
}

WebClock::TimerId ScriptedWebEngine::After(std::uint32_t delayMs, std::function<void()> callback) {
    auto id = std::make_shared<WebClock::TimerId>(0);
    const std::weak_ptr<bool> alive = m_alive;
    *id = m_clock.Schedule(delayMs, [this, alive, id, callback = std::move(callback)] {
        if (alive.expired()) return;
        m_timers.erase(*id);
        callback();
    });
    m_timers.insert(*id);
    return *id;
}

void ScriptedWebEngine::CancelTimer(WebClock::TimerId id) {
    m_clock.Cancel(id);
    m_timers.erase(id);
}

// --- Commands ---

void ScriptedWebEngine::Navigate(std::u16string_view address) {
    StartRequest({MapWebAddress(address), LoadKind::Normal});
}

bool ScriptedWebEngine::GoBack() {
    if (m_nHistoryIndex <= 0) return false;
    StartRequest({m_history[m_nHistoryIndex - 1], LoadKind::Back, m_nHistoryIndex - 1});
    return true;
}

bool ScriptedWebEngine::GoForward() {
    if (m_nHistoryIndex < 0 || m_nHistoryIndex + 1 >= static_cast<int>(m_history.size())) return false;
    StartRequest({m_history[m_nHistoryIndex + 1], LoadKind::Forward, m_nHistoryIndex + 1});
    return true;
}

void ScriptedWebEngine::Stop() {
    if (m_pendingRequest) {
        CancelTimer(*m_pendingRequest);
        m_pendingRequest.reset();
    }
    if (m_pLoad) EndLoad(false);
}

void ScriptedWebEngine::Refresh() {
    if (m_nHistoryIndex < 0) return;
    StartRequest({m_history[m_nHistoryIndex], LoadKind::Reload});
}

std::optional<std::u16string> ScriptedWebEngine::Title() const {
    if (!m_bHasDocument) return std::nullopt;
    return m_strTitle;
}

bool ScriptedWebEngine::ExecCommand(WebCommand command) {
    if (command != WebCommand::Find && !m_bHasDocument) return false;
    m_commands.push_back(command);
    return true;
}

void ScriptedWebEngine::SetPlacement(const RECT& rect, bool visible) {
    m_rcPlacement = rect;
    m_bVisible = visible;
}

// --- Loading ---

void ScriptedWebEngine::StartRequest(Request request) {
    m_bEverRequested = true;
    // As with the real engine, the latest request wins over one not yet under way.
    if (m_pendingRequest) CancelTimer(*m_pendingRequest);
    m_pendingRequest = After(0, [this, request = std::move(request)] {
        m_pendingRequest.reset();
        BeginLoad(request);
    });
}

void ScriptedWebEngine::BeginLoad(Request request) {
    const bool asksPolicy = request.kind != LoadKind::ErrorPage && request.kind != LoadKind::BlankPopup;
    if (asksPolicy) {
        const NavigationRequest navigation{request.url, {}, {}, std::nullopt};
        bool cancel = false;
        if (!Raise([&](WebEngineListener& l) { l.OnBeforeNavigate(navigation, cancel); })) return;
        if (cancel) return;
        m_web.RecordRequest(request.url);
    }
    // The new load takes over from one still under way, which ends without completing.
    if (m_pLoad) {
        const std::weak_ptr<bool> alive = m_alive;
        EndLoad(false);
        if (alive.expired()) return;
    }

    auto load = std::make_unique<Load>();
    load->request = std::move(request);
    switch (load->request.kind) {
    case LoadKind::ErrorPage: load->page.title = kErrorPageTitle; break;
    case LoadKind::BlankPopup: break;
    default: load->page = m_web.Lookup(load->request.url); break;
    }
    ScriptedPage& page = load->page;
    page.loadMs = std::max(page.loadMs, page.commitMs);
    m_pLoad = std::move(load);
    const std::uint64_t generation = ++m_nLoadGeneration;

    m_pLoad->timers.push_back(After(page.commitMs, [this] { Commit(); }));
    const std::uint32_t span = page.loadMs - page.commitMs;
    const auto steps = static_cast<std::uint32_t>(page.progress.size());
    for (std::uint32_t i = 0; i < steps; ++i) {
        const std::int32_t value = page.progress[i];
        const std::uint32_t at = page.commitMs + span * (i + 1) / (steps + 1);
        m_pLoad->timers.push_back(After(at, [this, value] { ReportProgress(value); }));
    }
    m_pLoad->timers.push_back(After(page.loadMs, [this] { Finish(); }));

    if (!Raise([](WebEngineListener& l) { l.OnDownloadBegin(); }) || generation != m_nLoadGeneration) return;
    Raise([](WebEngineListener& l) { l.OnProgressChange(kProgressAtStart, kProgressMax); });
}

void ScriptedWebEngine::Commit() {
    if (!m_pLoad) return;
    if (m_pLoad->page.failure) {
        FailBeforeCommit();
        return;
    }
    Load& load = *m_pLoad;
    load.committed = true;
    EnterHistory(load.request);
    const std::u16string url = load.request.url;
    const ScriptedPage& page = load.page;
    const std::u16string oldTitle = m_strTitle;
    m_strLocation = url;
    m_strTitle = page.title;
    m_bHasDocument = true;
    const std::uint64_t document = ++m_nDocument;
    if (!m_bSilent) m_nAlertsShown += static_cast<int>(page.alerts.size());
    for (const ScriptedPopup& popup : page.popups) {
        const std::uint32_t delay = popup.atMs > page.commitMs ? popup.atMs - page.commitMs : 0;
        After(delay, [this, document, url = popup.url] {
            if (document == m_nDocument) RequestPopup(url);
        });
    }
    const std::u16string title = page.title;
    const std::uint64_t generation = m_nLoadGeneration;

    // The real engine clears the old title as the new document arrives, then reports the
    // arrival, then the new title once it has read it.
    if (!oldTitle.empty()) {
        if (!Raise([](WebEngineListener& l) { l.OnTitleChange(std::u16string()); }) || generation != m_nLoadGeneration) return;
    }
    if (!Raise([&](WebEngineListener& l) { l.OnNavigateComplete(url); }) || generation != m_nLoadGeneration) return;
    if (!title.empty()) Raise([&](WebEngineListener& l) { l.OnTitleChange(title); });
}

void ScriptedWebEngine::ReportProgress(std::int32_t progress) {
    Raise([&](WebEngineListener& l) { l.OnProgressChange(progress, kProgressMax); });
}

void ScriptedWebEngine::Finish() {
    if (!m_pLoad) return;
    const std::uint64_t generation = m_nLoadGeneration;
    if (!Raise([](WebEngineListener& l) { l.OnProgressChange(kProgressMax, kProgressMax); })) return;
    if (generation != m_nLoadGeneration || !m_pLoad) return;
    EndLoad(true);
}

void ScriptedWebEngine::FailBeforeCommit() {
    const Request failed = m_pLoad->request;
    const std::int32_t code = m_pLoad->page.failure.value_or(0);
    const std::u16string reason = m_pLoad->page.failureReason;
    for (const WebClock::TimerId id : m_pLoad->timers) CancelTimer(id);
    m_pLoad.reset();
    ++m_nLoadGeneration;
    // The error page is asked for first, so that a navigation the listener starts from the
    // events below still wins over it.
    StartRequest({failed.url, LoadKind::ErrorPage, -1, reason});
    if (!Raise([&](WebEngineListener& l) { l.OnNavigateError(failed.url, code); })) return;
    Raise([](WebEngineListener& l) { l.OnDownloadComplete(); });
}

void ScriptedWebEngine::EndLoad(bool documentComplete) {
    std::unique_ptr<Load> load = std::move(m_pLoad);
    for (const WebClock::TimerId id : load->timers) CancelTimer(id);
    ++m_nLoadGeneration;
    if (!Raise([](WebEngineListener& l) { l.OnDownloadComplete(); })) return;
    if (documentComplete && load->committed) {
        const std::u16string url = load->request.url;
        Raise([&](WebEngineListener& l) { l.OnDocumentComplete(url); });
    }
}

void ScriptedWebEngine::EnterHistory(const Request& request) {
    const bool toEntry = request.kind == LoadKind::Back || request.kind == LoadKind::Forward;
    if (toEntry && request.historyIndex >= 0 && request.historyIndex < static_cast<int>(m_history.size())) {
        m_nHistoryIndex = request.historyIndex;
        return;
    }
    if (request.kind == LoadKind::Reload && m_nHistoryIndex >= 0) return;
    // Loading the address already shown replaces its entry instead of adding one.
    if (m_nHistoryIndex >= 0 && m_history[m_nHistoryIndex] == request.url) return;
    m_history.resize(static_cast<std::size_t>(m_nHistoryIndex + 1));
    m_history.push_back(request.url);
    m_nHistoryIndex = static_cast<int>(m_history.size()) - 1;
}

// --- Pop-ups ---

bool ScriptedWebEngine::IsFresh() const {
    return !m_bEverRequested && !m_pLoad && m_history.empty();
}

void ScriptedWebEngine::OpenAsPopup(const std::optional<std::u16string>& url) {
    if (url) {
        StartRequest({*url, LoadKind::Normal});
    } else {
        StartRequest({u"about:blank", LoadKind::BlankPopup});
    }
}

void ScriptedWebEngine::RequestPopup(const std::optional<std::u16string>& url) {
    if (!m_bHasDocument) return;
    bool cancel = false;
    WebEngine* host = nullptr;
    const bool alive = url ? Raise([&](WebEngineListener& l) { l.OnNewWindow3(*url, cancel, host); })
                           : Raise([&](WebEngineListener& l) { l.OnNewWindow2(cancel, host); });
    if (!alive || cancel || !host || host == this) return;
    // A fresh engine becomes the new window itself; one that has shown pages already can only
    // be sent to the address.
    if (auto* scripted = dynamic_cast<ScriptedWebEngine*>(host); scripted && scripted->IsFresh()) {
        scripted->OpenAsPopup(url);
    } else if (url) {
        host->Navigate(*url);
    }
}

// --- What the page or the user does ---

void ScriptedWebEngine::HoverLink(const std::optional<std::u16string>& link) {
    const std::u16string text = link.value_or(std::u16string());
    if (text == m_strStatus) return;
    m_strStatus = text;
    Raise([&](WebEngineListener& l) { l.OnStatusTextChange(text); });
}

void ScriptedWebEngine::SetStatusText(const std::optional<std::u16string>& text) {
    m_strStatus = text.value_or(std::u16string());
    Raise([&](WebEngineListener& l) { l.OnStatusTextChange(text); });
}

void ScriptedWebEngine::SetDocumentTitle(const std::optional<std::u16string>& title) {
    if (!m_bHasDocument) return;
    m_strTitle = title.value_or(std::u16string());
    Raise([&](WebEngineListener& l) { l.OnTitleChange(title); });
}

void ScriptedWebEngine::CrashWebProcess() {
    if (m_pLoad) {
        for (const WebClock::TimerId id : m_pLoad->timers) CancelTimer(id);
        m_pLoad.reset();
        ++m_nLoadGeneration;
    }
    m_bHasDocument = false;
    ++m_nDocument;
    if (!Raise([](WebEngineListener& l) { l.OnWebProcessTerminated(WebProcessExit::Crashed); })) return;
    if (!m_strTitle.empty()) {
        m_strTitle.clear();
        Raise([](WebEngineListener& l) { l.OnTitleChange(std::u16string()); });
    }
}

}  // namespace qx::web
