#include "settings/StoredTextCodec.h"

#include <algorithm>
#include <cstdint>

#include "platform/base/Strings.h"

namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int AlphabetIndex(char c) {
    const std::size_t nPos = kAlphabet.find(c);
    return nPos == std::string_view::npos || c == '\0' ? -1 : static_cast<int>(nPos);
}

bool StartsQuartet(char c) { return c == '=' || AlphabetIndex(c) >= 0; }

// The decoded bytes as text: they end at the first NUL, as a C string would.
std::u16string BytesAsText(const std::string& bytes) {
    return qx::Utf8ToWide(std::string_view(bytes.c_str()));
}

}  // namespace

int EncodeStoredText(std::u16string_view strText, std::u16string& strOut) {
    const std::string bytes = qx::WideToUtf8(strText);
    std::string encoded;
    encoded.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t nCount = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t nGroup = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            nGroup <<= 8;
            if (k < nCount) nGroup |= static_cast<unsigned char>(bytes[i + k]);
        }
        for (std::size_t k = 0; k < 4; ++k) {
            encoded.push_back(k <= nCount ? kAlphabet[(nGroup >> (18 - 6 * k)) & 0x3F] : '=');
        }
    }
    strOut = qx::Utf8ToWide(encoded);
    return static_cast<int>(encoded.size());
}

int DecodeStoredText(std::u16string_view strText, std::u16string& strOut) {
    const std::string full = qx::WideToUtf8(strText);
    const std::string_view input(full.c_str());  // the narrow text ends at its first NUL
    std::string decoded;
    std::size_t nPos = 0;
    while (nPos < input.size() && StartsQuartet(input[nPos])) {
        if (input.size() - nPos < 4) {
            strOut = BytesAsText(decoded);
            return -1;
        }
        std::uint32_t nGroup = 0;
        int nPads = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const char c = input[nPos + k];
            nGroup <<= 6;
            if (c == '=') {
                ++nPads;
                continue;
            }
            const int nIndex = AlphabetIndex(c);
            // A character outside the alphabet inside a quartet, or data after padding, cannot
            // come from an encoder: the input is damaged.
            if (nIndex < 0 || nPads > 0) {
                strOut = BytesAsText(decoded);
                return -1;
            }
            nGroup |= static_cast<std::uint32_t>(nIndex);
        }
        if (nPads > 2) {
            strOut = BytesAsText(decoded);
            return -1;
        }
        decoded.push_back(static_cast<char>((nGroup >> 16) & 0xFF));
        if (nPads < 2) decoded.push_back(static_cast<char>((nGroup >> 8) & 0xFF));
        if (nPads == 0) decoded.push_back(static_cast<char>(nGroup & 0xFF));
        nPos += 4;
    }
    strOut = BytesAsText(decoded);
    return static_cast<int>(decoded.size());
}
