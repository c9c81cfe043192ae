#include "platform/backend/headless/web/ScriptedWeb.h"

namespace qx::web {

void ScriptedWeb::AddPage(std::u16string url, ScriptedPage page) {
    m_pages[std::move(url)] = std::move(page);
}

ScriptedPage ScriptedWeb::Lookup(std::u16string_view url) const {
    if (const auto it = m_pages.find(url); it != m_pages.end()) return it->second;
    if (url == u"about:blank") return ScriptedPage{};
    ScriptedPage unknown;
    unknown.failure = kUnknownAddress;
    unknown.failureReason = u"Could not connect";
    return unknown;
}

}  // namespace qx::web
