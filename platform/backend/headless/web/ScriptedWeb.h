#pragma once
// The pages the scripted web engines can load, by address. Shared by all engines of a test, so
// a pop-up opened in one engine finds its page like any other load.

#include "platform/backend/headless/web/ScriptedPage.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace qx::web {

class ScriptedWeb {
public:
    // The error code of a load whose address no page answers.
    static constexpr std::int32_t kUnknownAddress = -1;

    // Registers the page at url, the address as an engine loads it (after MapWebAddress).
    void AddPage(std::u16string url, ScriptedPage page);

    // The page at url. "about:blank" is always there (an empty document); an address nobody
    // registered gives a page that fails with kUnknownAddress.
    ScriptedPage Lookup(std::u16string_view url) const;

    // Every address requested so far, in order (what a server would have seen).
    const std::vector<std::u16string>& Requests() const { return m_requests; }
    void RecordRequest(std::u16string url) { m_requests.push_back(std::move(url)); }

private:
    std::map<std::u16string, ScriptedPage, std::less<>> m_pages;
    std::vector<std::u16string> m_requests;
};

}  // namespace qx::web
