#pragma once
// The engine under the web browser control: commands go down through WebEngine, page events
// come up through WebEngineListener. Two engines implement it: WebKitGTK for users and a
// scripted one for tests. Everything runs on the user-interface thread.

#include "platform/base/WinTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qx::web {

class WebEngine;

// The commands a page offers with their own user interface.
enum class WebCommand {
    SaveAs,  // save the page to a file the user picks
    Find,    // find text in the page
    Print,   // print the page
};

// Why the process that rendered a page went away.
enum class WebProcessExit {
    Crashed,
    ExceededMemory,
    TerminatedByApi,
};

// A navigation about to start, as the page dialog reports it.
struct NavigationRequest {
    std::u16string url;
    std::u16string frame;    // target frame name; empty for the top-level page
    std::u16string headers;  // additional request headers as "Name: value\r\n" lines, else empty
    std::optional<std::vector<std::uint8_t>> postData;  // request body; nullopt when there is none
};

// Page events, in the order a real load raises them:
//   BeforeNavigate, DownloadBegin, ProgressChange..., NavigateComplete, TitleChange,
//   ProgressChange..., DownloadComplete, DocumentComplete.
// A listener may call back into the engine, or destroy it, from inside any of these.
class WebEngineListener {
public:
    virtual ~WebEngineListener() = default;

    // A navigation of the page or one of its frames is about to start; cancel = true stops it.
    virtual void OnBeforeNavigate(const NavigationRequest& request, bool& cancel) = 0;
    // The page has started loading (the engine is busy from now on).
    virtual void OnDownloadBegin() = 0;
    // The new document has replaced the old one; url is the address it was loaded from.
    virtual void OnNavigateComplete(const std::u16string& url) = 0;
    // Loading has advanced to progress out of progressMax.
    virtual void OnProgressChange(std::int32_t progress, std::int32_t progressMax) = 0;
    // The status text has changed (a link's address under the pointer; empty when it leaves).
    virtual void OnStatusTextChange(const std::optional<std::u16string>& text) = 0;
    // The page title has changed; nullopt when the document has none at all.
    virtual void OnTitleChange(const std::optional<std::u16string>& title) = 0;
    // The load has ended, whether it completed, failed or was stopped (busy is over).
    virtual void OnDownloadComplete() = 0;
    // The document at url has loaded completely; not raised for a failed or stopped load.
    virtual void OnDocumentComplete(const std::u16string& url) = 0;
    // A navigation failed before a document arrived; statusCode is the engine's error code.
    virtual void OnNavigateError(const std::u16string& url, std::int32_t statusCode) = 0;
    // The page asks for a new window without an address. Set host to the engine that shows it,
    // or cancel = true to refuse; with neither, the request is refused.
    virtual void OnNewWindow2(bool& cancel, WebEngine*& host) = 0;
    // The page asks for a new window showing url. Set host to the engine that shows it, or
    // cancel = true when the listener has taken care of it (or refuses it).
    virtual void OnNewWindow3(const std::u16string& url, bool& cancel, WebEngine*& host) = 0;
    // The process rendering the page went away; the page is blank until Refresh reloads it.
    virtual void OnWebProcessTerminated(WebProcessExit reason) = 0;
};

class WebEngine {
public:
    virtual ~WebEngine() = default;

    // Events go to listener from now on; nullptr drops them.
    virtual void SetListener(WebEngineListener* listener) = 0;

    // Starts loading address after mapping it with MapWebAddress; returns at once.
    virtual void Navigate(std::u16string_view address) = 0;
    // Starts going one step back in history; false (and nothing happens) when there is no page.
    virtual bool GoBack() = 0;
    // Starts going one step forward in history; false (and nothing happens) when there is no page.
    virtual bool GoForward() = 0;
    // Stops the current load; the page shown so far stays.
    virtual void Stop() = 0;
    // Reloads the current page, also after the web process went away.
    virtual void Refresh() = 0;

    // The address of the document shown now (not of one still being requested); empty at first.
    virtual std::u16string LocationURL() const = 0;
    // The title of the document shown now: nullopt while there is no document, empty when the
    // document has no title.
    virtual std::optional<std::u16string> Title() const = 0;
    // True from the start of a load until it has ended.
    virtual bool IsBusy() const = 0;

    // Runs one of the page's commands with its own user interface; false when it cannot run
    // (for instance, no document to save or print).
    virtual bool ExecCommand(WebCommand command) = 0;
    // With true, the page shows no dialogs of its own (script alerts, confirmations, prompts).
    virtual void SetSilent(bool silent) = 0;

    // Places the page's native view at rect (in the host window's client coordinates).
    virtual void SetPlacement(const RECT& rect, bool visible) = 0;
};

}  // namespace qx::web
