#pragma once
// Wide (UTF-16) strings and the few conversions the system makes. The platform's "ANSI code
// page" is UTF-8, so every conversion between wide and narrow text is UTF-8 here.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace qx {

// UTF-8 to UTF-16. Invalid or truncated sequences become U+FFFD; nothing is dropped silently.
std::u16string Utf8ToWide(std::string_view utf8);

// UTF-16 to UTF-8. An unpaired surrogate becomes U+FFFD.
std::string WideToUtf8(std::u16string_view wide);

// The C library's decimal conversion of wide text (_wtol): leading white space, an optional
// sign, then decimal digits up to the first other character; no digits give 0. The result is a
// 32-bit long and saturates at its limits.
std::int32_t WideToLong(std::u16string_view text);

// strtol(text, nullptr, 16) with a 32-bit long: leading white space, an optional sign, an
// optional 0x or 0X prefix, hexadecimal digits up to the first other character; no digits give
// 0; overflow saturates at 0x7FFFFFFF, or at the most negative value for a negative number.
std::int32_t HexToLong(std::string_view text);

// One argument of FormatWide.
class FormatArg {
public:
    FormatArg(int v) : m_kind(Kind::Int), m_int(v) {}
    FormatArg(long v) : m_kind(Kind::Int), m_int(v) {}
    FormatArg(long long v) : m_kind(Kind::Int), m_int(v) {}
    FormatArg(unsigned v) : m_kind(Kind::Int), m_int(v) {}
    FormatArg(unsigned long v) : m_kind(Kind::Int), m_int(static_cast<long long>(v)) {}
    FormatArg(const char16_t* s) : m_kind(Kind::Str), m_str(s ? s : u"") {}
    FormatArg(const std::u16string& s) : m_kind(Kind::Str), m_str(s) {}
    FormatArg(std::u16string_view s) : m_kind(Kind::Str), m_str(s) {}

    enum class Kind { Int, Str };
    Kind kind() const { return m_kind; }
    long long integer() const { return m_int; }
    std::u16string_view text() const { return m_str; }

private:
    Kind m_kind;
    long long m_int = 0;
    std::u16string_view m_str;
};

// printf-style formatting of wide text for the forms the system uses: %d, %s, %X/%x with an
// optional zero flag and width (%08X), and %%. %d prints the argument as a signed 32-bit value,
// %X as an unsigned 32-bit value. An argument of the wrong kind prints nothing; a directive
// without an argument prints nothing.
std::u16string FormatWideList(std::u16string_view format, std::initializer_list<FormatArg> args);

template <typename... Args>
std::u16string FormatWide(std::u16string_view format, const Args&... args) {
    return FormatWideList(format, {FormatArg(args)...});
}

}  // namespace qx
