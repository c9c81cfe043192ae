#pragma once
// What a page does when the scripted web engine loads it, as a test describes it. Times are
// milliseconds of the engine's clock, counted from the moment the load starts.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qx::web {

// A window the page's script asks for once its document is there.
struct ScriptedPopup {
    std::uint32_t atMs = 0;               // not before the document has arrived
    std::optional<std::u16string> url;    // nullopt: a window without an address
};

struct ScriptedPage {
    std::u16string title;                 // the document's title; empty when it has none
    std::uint32_t commitMs = 0;           // when the document arrives
    std::uint32_t loadMs = 0;             // when the load ends; busy until then (never before commitMs)
    std::vector<std::int32_t> progress;   // progress reports (of 10000) between arrival and end
    std::optional<std::int32_t> failure;  // an error code: the load fails instead of arriving
    std::u16string failureReason;         // what the error page says about the failure
    std::vector<ScriptedPopup> popups;
    std::vector<std::u16string> alerts;   // script dialogs shown when the document arrives
};

}  // namespace qx::web
