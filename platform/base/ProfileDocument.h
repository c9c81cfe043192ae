#pragma once
// One profile (INI) file's text, parsed so that values can be looked up and one entry changed
// while every other byte of the file stays as it was: comments, order, blanks, line breaks and
// encoding. Files come as UTF-8 with or without a byte-order mark, or UTF-16 with one.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

class ProfileDocument {
public:
    // An empty document, as for a file that does not exist yet (UTF-8 without byte-order mark).
    ProfileDocument() = default;
    explicit ProfileDocument(std::string bytes);

    // The value of key in the first section named section that holds it. Names match without
    // regard to letter case or surrounding blanks; the value loses surrounding blanks and one
    // pair of enclosing quotes. Lines that are not valid text never match.
    std::optional<std::u16string> Find(std::u16string_view section, std::u16string_view key) const;

    // Replaces the value where Find finds it, else adds the key after the last entry of the first
    // such section, else adds the section with the key at the end. Returns false, changing
    // nothing, for names or values that would break the file's structure: a line break anywhere,
    // ']' in the section, an empty key, '=' in the key, or a key that reads as a section or comment.
    bool SetValue(std::u16string_view section, std::u16string_view key, std::u16string_view value);

    // Removes the key's line where Find finds it; a missing key is no change.
    void RemoveKey(std::u16string_view section, std::u16string_view key);

    // Removes every section of that name with all its lines.
    void RemoveSection(std::u16string_view section);

    const std::string& Bytes() const { return m_bytes; }

private:
    enum class Encoding { Utf8, Utf16Le, Utf16Be };
    enum class LineKind { Blank, Comment, Section, Entry, Other };
    struct Line {
        LineKind kind = LineKind::Blank;
        bool readable = true;        // name and value are valid text
        std::u16string name;         // section name or key, without blanks
        std::u16string value;        // entry value, without blanks and enclosing quotes
        std::size_t begin = 0;       // units: the text is [begin, end),
        std::size_t end = 0;         // the line break [end, next)
        std::size_t next = 0;
        std::size_t valueBegin = 0;  // first unit of an entry's value
    };
    struct Position {
        std::optional<std::size_t> section;  // first section of the name
        std::optional<std::size_t> entry;    // where Find finds the key
    };

    void Parse();
    Line ParseLine(std::size_t begin, std::size_t end) const;
    Position Locate(std::u16string_view section, std::u16string_view key) const;
    std::size_t LastLineOfSection(std::size_t header) const;
    std::u16string LineBreak() const;

    std::size_t UnitCount() const;
    char32_t Unit(std::size_t i) const;
    std::size_t ByteOffset(std::size_t unit) const;
    std::optional<std::u16string> Decode(std::size_t begin, std::size_t end) const;
    std::string Encode(std::u16string_view text) const;
    void Splice(std::size_t begin, std::size_t end, std::u16string_view text);

    std::string m_bytes;
    Encoding m_encoding = Encoding::Utf8;
    std::size_t m_header = 0;  // bytes of the byte-order mark
    std::vector<Line> m_lines;
};

}  // namespace qx
