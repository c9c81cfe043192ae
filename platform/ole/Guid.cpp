#include "platform/ole/Guid.h"

#include <string_view>

namespace qx::ole {
namespace {

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// Reads exactly count hex digits at text[pos].
bool ReadHex(std::u16string_view text, size_t pos, size_t count, std::uint32_t& value) {
    if (pos + count > text.size()) return false;
    value = 0;
    for (size_t i = 0; i < count; ++i) {
        const int d = HexDigit(text[pos + i]);
        if (d < 0) return false;
        value = value * 16 + static_cast<std::uint32_t>(d);
    }
    return true;
}

}  // namespace

bool GuidFromString(std::u16string_view text, GUID& guid) {
    if (text.size() == 38 && text.front() == u'{' && text.back() == u'}') text = text.substr(1, 36);
    if (text.size() != 36 || text[8] != u'-' || text[13] != u'-' || text[18] != u'-' || text[23] != u'-')
        return false;
    GUID g;
    std::uint32_t v = 0;
    if (!ReadHex(text, 0, 8, v)) return false;
    g.Data1 = v;
    if (!ReadHex(text, 9, 4, v)) return false;
    g.Data2 = static_cast<WORD>(v);
    if (!ReadHex(text, 14, 4, v)) return false;
    g.Data3 = static_cast<WORD>(v);
    static constexpr size_t kBytePos[8] = {19, 21, 24, 26, 28, 30, 32, 34};
    for (int i = 0; i < 8; ++i) {
        if (!ReadHex(text, kBytePos[i], 2, v)) return false;
        g.Data4[i] = static_cast<BYTE>(v);
    }
    guid = g;
    return true;
}

std::u16string GuidToString(REFGUID g) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string out = u"{";
    auto hex = [&](std::uint32_t value, int digits) {
        for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
    };
    hex(g.Data1, 8);
    out += u'-';
    hex(g.Data2, 4);
    out += u'-';
    hex(g.Data3, 4);
    out += u'-';
    for (int i = 0; i < 8; ++i) {
        if (i == 2) out += u'-';
        hex(g.Data4[i], 2);
    }
    out += u'}';
    return out;
}

}  // namespace qx::ole
