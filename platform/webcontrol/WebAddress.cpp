#include "platform/webcontrol/WebAddress.h"

#include "platform/base/Strings.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace qx::web {
namespace {

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::u16string_view Trim(std::u16string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

// "name:" at the start, with a name as URI schemes are spelled. "localhost:8080/a" is a host
// and a port rather than a scheme, as every browser reads it.
bool HasScheme(std::u16string_view text) {
    const auto colon = text.find(u':');
    if (colon == std::u16string_view::npos || colon == 0 || !IsAsciiLetter(text[0])) return false;
    for (std::size_t i = 1; i < colon; ++i) {
        const char16_t c = text[i];
        if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != u'+' && c != u'-' && c != u'.') return false;
    }
    std::size_t end = colon + 1;
    while (end < text.size() && IsAsciiDigit(text[end])) ++end;
    const bool looksLikePort = end > colon + 1 &&
        (end == text.size() || text[end] == u'/' || text[end] == u'?' || text[end] == u'#');
    return !looksLikePort;
}

// Bytes that may stand in a file URI's path unescaped.
bool IsPathSafe(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
    return std::string_view("-._~/!$&'()*+,;=:@").find(static_cast<char>(c)) != std::string_view::npos;
}

std::u16string FileUri(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (const unsigned char c : path) {
        if (IsPathSafe(c)) {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += kHex[c >> 4];
            uri += kHex[c & 0x0F];
        }
    }
    return Utf8ToWide(uri);
}

std::u16string LocalPathUri(std::u16string_view path, const FileExistsFn& fileExists) {
    const std::string literal = WideToUtf8(path);
    std::string slashed = literal;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    // On this system a backslash is a legal file-name character; prefer the folder reading
    // unless the file exists only under the literal name.
    if (slashed != literal && fileExists && !fileExists(slashed) && fileExists(literal)) {
        return FileUri(literal);
    }
    return FileUri(slashed);
}

}  // namespace

std::u16string MapWebAddress(std::u16string_view address, const FileExistsFn& fileExists) {
    const std::u16string_view text = Trim(address);
    if (text.empty()) return u"about:blank";
    if (text.starts_with(u"//")) return u"http:" + std::u16string(text);
    if (text.front() == u'/') return LocalPathUri(text, fileExists);
    if (HasScheme(text)) return std::u16string(text);
    return u"http://" + std::u16string(text);
}

std::u16string MapWebAddress(std::u16string_view address) {
    return MapWebAddress(address, [](const std::string& path) {
        std::error_code error;
        return std::filesystem::exists(path, error);
    });
}

}  // namespace qx::web
