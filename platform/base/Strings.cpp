#include "platform/base/Strings.h"

#include <algorithm>
#include <climits>

namespace qx {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool IsAsciiSpace(char32_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Accumulates digits into a saturating 32-bit long, as the C library does.
class SaturatingLong {
public:
    explicit SaturatingLong(bool negative) : m_negative(negative) {}
    void add_digit(int base, int digit) {
        if (m_overflow) return;
        const long long limit = m_negative ? -static_cast<long long>(INT32_MIN) : INT32_MAX;
        m_value = m_value * base + digit;
        if (m_value > limit) m_overflow = true;
    }
    std::int32_t result() const {
        if (m_overflow) return m_negative ? INT32_MIN : INT32_MAX;
        return static_cast<std::int32_t>(m_negative ? -m_value : m_value);
    }

private:
    bool m_negative;
    bool m_overflow = false;
    long long m_value = 0;
};

}  // namespace

std::u16string Utf8ToWide(std::string_view in) {
    std::u16string out;
    out.reserve(in.size());
    std::size_t i = 0;
    while (i < in.size()) {
        const auto b0 = static_cast<unsigned char>(in[i]);
        if (b0 < 0x80) {
            out.push_back(b0);
            ++i;
            continue;
        }
        int extra = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if ((b0 & 0xE0) == 0xC0) { extra = 1; cp = b0 & 0x1F; min = 0x80; }
        else if ((b0 & 0xF0) == 0xE0) { extra = 2; cp = b0 & 0x0F; min = 0x800; }
        else if ((b0 & 0xF8) == 0xF0) { extra = 3; cp = b0 & 0x07; min = 0x10000; }
        else { AppendUtf16(out, kReplacement); ++i; continue; }
        std::size_t j = i + 1;
        bool ok = true;
        for (int k = 0; k < extra; ++k, ++j) {
            if (j >= in.size() || (static_cast<unsigned char>(in[j]) & 0xC0) != 0x80) { ok = false; break; }
            cp = (cp << 6) | (static_cast<unsigned char>(in[j]) & 0x3F);
        }
        if (!ok || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            AppendUtf16(out, kReplacement);
            i = ok ? j : std::max(j, i + 1);
            continue;
        }
        AppendUtf16(out, cp);
        i = j;
    }
    return out;
}

std::string WideToUtf8(std::u16string_view in) {
    std::string out;
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        char32_t c = in[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 && in[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (in[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::int32_t WideToLong(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsAsciiSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    SaturatingLong value(negative);
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) value.add_digit(10, text[i] - u'0');
    return value.result();
}

std::int32_t HexToLong(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsAsciiSpace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // "0x" counts as a prefix only when a hexadecimal digit follows; otherwise the 0 is the number.
    if (i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
        HexDigit(text[i + 2]) >= 0) {
        i += 2;
    }
    SaturatingLong value(negative);
    for (; i < text.size() && HexDigit(text[i]) >= 0; ++i) value.add_digit(16, HexDigit(text[i]));
    return value.result();
}

std::u16string FormatWideList(std::u16string_view format, std::initializer_list<FormatArg> args) {
    std::u16string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char16_t c = format[i];
        if (c != u'%' || i + 1 >= format.size()) {
            out.push_back(c);
            continue;
        }
        ++i;
        if (format[i] == u'%') {
            out.push_back(u'%');
            continue;
        }
        bool zero = false;
        if (format[i] == u'0') { zero = true; ++i; }
        std::size_t width = 0;
        while (i < format.size() && format[i] >= u'0' && format[i] <= u'9') width = width * 10 + (format[i++] - u'0');
        if (i >= format.size()) break;
        const char16_t conv = format[i];
        const FormatArg* arg = next != args.end() ? &*next++ : nullptr;
        std::u16string piece;
        if (arg && conv == u's' && arg->kind() == FormatArg::Kind::Str) {
            piece = arg->text();
        } else if (arg && conv == u'd' && arg->kind() == FormatArg::Kind::Int) {
            const long long v = static_cast<std::int32_t>(arg->integer());
            for (char ch : std::to_string(v)) piece.push_back(static_cast<char16_t>(ch));
        } else if (arg && (conv == u'X' || conv == u'x') && arg->kind() == FormatArg::Kind::Int) {
            const char* digits = conv == u'X' ? "0123456789ABCDEF" : "0123456789abcdef";
            std::uint32_t v = static_cast<std::uint32_t>(arg->integer());
            do { piece.insert(piece.begin(), static_cast<char16_t>(digits[v & 0xF])); v >>= 4; } while (v);
        }
        if (piece.size() < width) piece.insert(0, width - piece.size(), zero && conv != u's' ? u'0' : u' ');
        out += piece;
    }
    return out;
}

}  // namespace qx
