#include "platform/base/ProfileDocument.h"

#include "platform/base/Strings.h"

namespace qx {

namespace {

bool IsBlank(char32_t c) { return c == u' ' || c == u'\t'; }

std::u16string_view TrimBlanks(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Simple case folding for ASCII, Latin-1, Greek, Cyrillic and full-width Latin letters: enough
// for the names people put into these files, without a full Unicode table.
char16_t FoldCase(char16_t c) {
    if (c >= u'A' && c <= u'Z') return c + 0x20;
    if (c < 0x80) return c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 0x20;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    if (c >= 0xFF21 && c <= 0xFF3A) return c + 0x20;
    return c;
}

bool NamesEqual(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    }
    return true;
}

// Strict UTF-8: no NUL, no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsCleanUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        if (b0 == 0) return false;
        if (b0 < 0x80) { ++i; continue; }
        int extra = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if ((b0 & 0xE0) == 0xC0) { extra = 1; cp = b0 & 0x1F; min = 0x80; }
        else if ((b0 & 0xF0) == 0xE0) { extra = 2; cp = b0 & 0x0F; min = 0x800; }
        else if ((b0 & 0xF8) == 0xF0) { extra = 3; cp = b0 & 0x07; min = 0x10000; }
        else return false;
        if (i + extra >= s.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if ((b & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (b & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

bool HasLineBreak(std::u16string_view text) {
    return text.find_first_of(std::u16string_view(u"\r\n\0", 3)) != std::u16string_view::npos;
}

std::u16string StripQuotes(std::u16string_view value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::u16string(value);
}

}  // namespace

ProfileDocument::ProfileDocument(std::string bytes) : m_bytes(std::move(bytes)) {
    const auto starts = [this](std::string_view mark) { return m_bytes.compare(0, mark.size(), mark) == 0; };
    if (starts("\xEF\xBB\xBF")) {
        m_header = 3;
    } else if (starts("\xFF\xFE")) {
        m_encoding = Encoding::Utf16Le;
        m_header = 2;
    } else if (starts("\xFE\xFF")) {
        m_encoding = Encoding::Utf16Be;
        m_header = 2;
    }
    Parse();
}

std::size_t ProfileDocument::UnitCount() const {
    const std::size_t body = m_bytes.size() - m_header;
    return m_encoding == Encoding::Utf8 ? body : body / 2;
}

char32_t ProfileDocument::Unit(std::size_t i) const {
    const auto byte = [this](std::size_t at) { return static_cast<char32_t>(static_cast<unsigned char>(m_bytes[at])); };
    switch (m_encoding) {
        case Encoding::Utf8: return byte(m_header + i);
        case Encoding::Utf16Le: return byte(m_header + 2 * i) | (byte(m_header + 2 * i + 1) << 8);
        case Encoding::Utf16Be: return (byte(m_header + 2 * i) << 8) | byte(m_header + 2 * i + 1);
    }
    return 0;
}

std::size_t ProfileDocument::ByteOffset(std::size_t unit) const {
    return m_header + (m_encoding == Encoding::Utf8 ? unit : 2 * unit);
}

std::optional<std::u16string> ProfileDocument::Decode(std::size_t begin, std::size_t end) const {
    if (m_encoding == Encoding::Utf8) {
        const std::string_view bytes = std::string_view(m_bytes).substr(ByteOffset(begin), end - begin);
        if (!IsCleanUtf8(bytes)) return std::nullopt;
        return Utf8ToWide(bytes);
    }
    std::u16string text;
    text.reserve(end - begin);
    for (std::size_t i = begin; i < end; ++i) {
        const char32_t u = Unit(i);
        if (u == 0) return std::nullopt;
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 1 >= end || Unit(i + 1) < 0xDC00 || Unit(i + 1) > 0xDFFF) return std::nullopt;
            text.push_back(static_cast<char16_t>(u));
            text.push_back(static_cast<char16_t>(Unit(++i)));
            continue;
        }
        if (u >= 0xDC00 && u <= 0xDFFF) return std::nullopt;
        text.push_back(static_cast<char16_t>(u));
    }
    return text;
}

std::string ProfileDocument::Encode(std::u16string_view text) const {
    if (m_encoding == Encoding::Utf8) return WideToUtf8(text);
    std::string bytes;
    bytes.reserve(2 * text.size());
    for (const char16_t c : text) {
        const char lo = static_cast<char>(c & 0xFF);
        const char hi = static_cast<char>(c >> 8);
        bytes.push_back(m_encoding == Encoding::Utf16Le ? lo : hi);
        bytes.push_back(m_encoding == Encoding::Utf16Le ? hi : lo);
    }
    return bytes;
}

void ProfileDocument::Parse() {
    m_lines.clear();
    const std::size_t n = UnitCount();
    std::size_t i = 0;
    while (i < n) {
        const std::size_t begin = i;
        while (i < n && Unit(i) != u'\n' && Unit(i) != u'\r') ++i;
        const std::size_t end = i;
        if (i < n) i += (Unit(i) == u'\r' && i + 1 < n && Unit(i + 1) == u'\n') ? 2 : 1;
        Line line = ParseLine(begin, end);
        line.next = i;
        m_lines.push_back(std::move(line));
    }
}

ProfileDocument::Line ProfileDocument::ParseLine(std::size_t begin, std::size_t end) const {
    Line line;
    line.begin = begin;
    line.end = end;
    std::size_t p = begin;
    std::size_t q = end;
    while (p < q && IsBlank(Unit(p))) ++p;
    while (q > p && IsBlank(Unit(q - 1))) --q;
    if (p == q) return line;

    if (Unit(p) == u'[') {
        line.kind = LineKind::Section;
        std::size_t close = p + 1;
        while (close < q && Unit(close) != u']') ++close;
        const auto name = Decode(p + 1, close);
        line.readable = name.has_value();
        if (name) line.name = TrimBlanks(*name);
        return line;
    }
    if (Unit(p) == u';') {
        line.kind = LineKind::Comment;
        return line;
    }
    std::size_t eq = p;
    while (eq < q && Unit(eq) != u'=') ++eq;
    if (eq == q) {
        line.kind = LineKind::Other;
        return line;
    }
    line.kind = LineKind::Entry;
    line.valueBegin = eq + 1;
    while (line.valueBegin < q && IsBlank(Unit(line.valueBegin))) ++line.valueBegin;
    const auto key = Decode(p, eq);
    const auto value = Decode(line.valueBegin, q);
    line.readable = key && value;
    if (line.readable) {
        line.name = TrimBlanks(*key);
        line.value = StripQuotes(*value);
    }
    return line;
}

ProfileDocument::Position ProfileDocument::Locate(std::u16string_view section, std::u16string_view key) const {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    Position pos;
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == LineKind::Section) {
            inSection = line.readable && NamesEqual(line.name, section);
            if (inSection && !pos.section) pos.section = i;
        } else if (inSection && line.kind == LineKind::Entry && line.readable && NamesEqual(line.name, key)) {
            pos.entry = i;
            return pos;
        }
    }
    return pos;
}

std::optional<std::u16string> ProfileDocument::Find(std::u16string_view section, std::u16string_view key) const {
    const Position pos = Locate(section, key);
    if (!pos.entry) return std::nullopt;
    return m_lines[*pos.entry].value;
}

std::size_t ProfileDocument::LastLineOfSection(std::size_t header) const {
    std::size_t last = header;
    for (std::size_t i = header + 1; i < m_lines.size() && m_lines[i].kind != LineKind::Section; ++i) {
        if (m_lines[i].kind == LineKind::Entry || m_lines[i].kind == LineKind::Other) last = i;
    }
    return last;
}

std::u16string ProfileDocument::LineBreak() const {
    for (const Line& line : m_lines) {
        if (line.next > line.end) {
            std::u16string lineBreak;
            for (std::size_t i = line.end; i < line.next; ++i) lineBreak.push_back(static_cast<char16_t>(Unit(i)));
            return lineBreak;
        }
    }
    return u"\n";
}

void ProfileDocument::Splice(std::size_t begin, std::size_t end, std::u16string_view text) {
    const std::size_t from = ByteOffset(begin);
    m_bytes.replace(from, ByteOffset(end) - from, Encode(text));
    Parse();
}

bool ProfileDocument::SetValue(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (HasLineBreak(section) || section.find(u']') != std::u16string_view::npos) return false;
    if (key.empty() || HasLineBreak(key) || key.find(u'=') != std::u16string_view::npos || key.front() == u'[' ||
        key.front() == u';') {
        return false;
    }
    if (HasLineBreak(value)) return false;

    const Position pos = Locate(section, key);
    if (pos.entry) {
        const Line& line = m_lines[*pos.entry];
        Splice(line.valueBegin, line.end, value);
        return true;
    }
    const std::u16string lineBreak = LineBreak();
    std::u16string entry(key);
    entry += u'=';
    entry += value;
    if (pos.section) {
        const Line& last = m_lines[LastLineOfSection(*pos.section)];
        if (last.next == last.end) {
            Splice(last.end, last.end, lineBreak + entry);  // the section ends the file without a line break
        } else {
            Splice(last.next, last.next, entry + lineBreak);
        }
        return true;
    }
    std::u16string text;
    if (!m_lines.empty() && m_lines.back().next == m_lines.back().end) text = lineBreak;
    text += u'[';
    text += section;
    text += u']';
    text += lineBreak + entry + lineBreak;
    Splice(UnitCount(), UnitCount(), text);
    return true;
}

void ProfileDocument::RemoveKey(std::u16string_view section, std::u16string_view key) {
    const Position pos = Locate(section, key);
    if (!pos.entry) return;
    const Line& line = m_lines[*pos.entry];
    Splice(line.begin, line.next, u"");
}

void ProfileDocument::RemoveSection(std::u16string_view section) {
    for (;;) {
        const Position pos = Locate(section, u"");
        if (!pos.section) return;
        std::size_t end = UnitCount();
        for (std::size_t i = *pos.section + 1; i < m_lines.size(); ++i) {
            if (m_lines[i].kind == LineKind::Section) {
                end = m_lines[i].begin;
                break;
            }
        }
        Splice(m_lines[*pos.section].begin, end, u"");
    }
}

}  // namespace qx
