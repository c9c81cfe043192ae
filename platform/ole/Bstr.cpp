#include "platform/ole/Bstr.h"

#include <cstdlib>
#include <cstring>

namespace {

// The prefix holds the byte length as a 32-bit number, like the original layout.
constexpr size_t kPrefix = sizeof(std::uint32_t);

std::uint32_t* PrefixOf(BSTR text) {
    return reinterpret_cast<std::uint32_t*>(reinterpret_cast<char*>(text) - kPrefix);
}

}  // namespace

BSTR SysAllocStringLen(LPCOLESTR text, UINT length) {
    if (length > 0x3FFFFFF0u) return nullptr;  // the byte length must fit the prefix
    const size_t bytes = static_cast<size_t>(length) * sizeof(OLECHAR);
    char* block = static_cast<char*>(std::malloc(kPrefix + bytes + sizeof(OLECHAR)));
    if (!block) return nullptr;
    const std::uint32_t byteLength = static_cast<std::uint32_t>(bytes);
    std::memcpy(block, &byteLength, kPrefix);
    BSTR result = reinterpret_cast<BSTR>(block + kPrefix);
    if (text)
        std::memcpy(result, text, bytes);
    else
        std::memset(result, 0, bytes);
    result[length] = 0;
    return result;
}

BSTR SysAllocString(LPCOLESTR text) {
    if (!text) return nullptr;
    UINT length = 0;
    while (text[length]) ++length;
    return SysAllocStringLen(text, length);
}

void SysFreeString(BSTR text) {
    if (text) std::free(PrefixOf(text));
}

UINT SysStringByteLen(BSTR text) { return text ? *PrefixOf(text) : 0; }

UINT SysStringLen(BSTR text) { return SysStringByteLen(text) / sizeof(OLECHAR); }
