#include "platform/webcontrol/WebErrorPage.h"

#include "platform/base/Strings.h"

namespace qx::web {

const char16_t kErrorPageTitle[] = u"无法打开网页";

namespace {

std::string EscapeHtml(std::u16string_view text) {
    std::string out;
    for (const char c : WideToUtf8(text)) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c; break;
        }
    }
    return out;
}

}  // namespace

std::string BuildErrorPage(std::u16string_view url, std::u16string_view reason) {
    std::string page;
    page += "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">";
    page += "<title>" + EscapeHtml(kErrorPageTitle) + "</title>";
    page += "<style>body{font-family:sans-serif;margin:3em;color:#333}"
            "code{word-break:break-all;background:#f3f3f3;padding:2px 4px}</style>";
    page += "</head><body>";
    page += "<h1>" + EscapeHtml(kErrorPageTitle) + "</h1>";
    page += "<p>网页无法打开 (the page could not be opened).</p>";
    page += "<p>地址 (address): <code>" + EscapeHtml(url) + "</code></p>";
    page += "<p>原因 (reason): " + EscapeHtml(reason) + "</p>";
    page += "</body></html>\n";
    return page;
}

}  // namespace qx::web
