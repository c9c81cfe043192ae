#pragma once
// A WebEngineListener that writes every event down as one line of text, so tests compare
// whole sequences; hooks let a test answer requests or act from inside an event.

#include "platform/base/Strings.h"
#include "platform/webcontrol/WebEngine.h"

#include <functional>
#include <string>
#include <vector>

namespace qx::web {

class RecordingListener : public WebEngineListener {
public:
    std::vector<std::string> events;
    // Answers for the requests; by default nothing is cancelled and no host is offered.
    std::function<void(const NavigationRequest&, bool& cancel)> onBeforeNavigate;
    std::function<void(bool& cancel, WebEngine*& host)> onNewWindow2;
    std::function<void(const std::u16string& url, bool& cancel, WebEngine*& host)> onNewWindow3;
    // Runs after each event has been written down (the line is its argument).
    std::function<void(const std::string& line)> after;

    void OnBeforeNavigate(const NavigationRequest& request, bool& cancel) override {
        if (onBeforeNavigate) onBeforeNavigate(request, cancel);
        Add("BeforeNavigate " + Text(request.url));
    }
    void OnDownloadBegin() override { Add("DownloadBegin"); }
    void OnNavigateComplete(const std::u16string& url) override { Add("NavigateComplete " + Text(url)); }
    void OnProgressChange(std::int32_t progress, std::int32_t max) override {
        Add("Progress " + std::to_string(progress) + "/" + std::to_string(max));
    }
    void OnStatusTextChange(const std::optional<std::u16string>& text) override { Add("Status " + Text(text)); }
    void OnTitleChange(const std::optional<std::u16string>& title) override { Add("Title " + Text(title)); }
    void OnDownloadComplete() override { Add("DownloadComplete"); }
    void OnDocumentComplete(const std::u16string& url) override { Add("DocumentComplete " + Text(url)); }
    void OnNavigateError(const std::u16string& url, std::int32_t code) override {
        Add("NavigateError " + Text(url) + " " + std::to_string(code));
    }
    void OnNewWindow2(bool& cancel, WebEngine*& host) override {
        if (onNewWindow2) onNewWindow2(cancel, host);
        Add("NewWindow2");
    }
    void OnNewWindow3(const std::u16string& url, bool& cancel, WebEngine*& host) override {
        if (onNewWindow3) onNewWindow3(url, cancel, host);
        Add("NewWindow3 " + Text(url));
    }
    void OnWebProcessTerminated(WebProcessExit) override { Add("WebProcessTerminated"); }

    // The events without the progress reports, for tests about something else.
    std::vector<std::string> WithoutProgress() const {
        std::vector<std::string> out;
        for (const auto& e : events) {
            if (e.rfind("Progress ", 0) != 0) out.push_back(e);
        }
        return out;
    }

private:
    static std::string Text(const std::u16string& text) { return WideToUtf8(text); }
    static std::string Text(const std::optional<std::u16string>& text) {
        return text ? "\"" + WideToUtf8(*text) + "\"" : std::string("<null>");
    }
    void Add(std::string line) {
        events.push_back(line);
        if (after) after(line);
    }
};

}  // namespace qx::web
