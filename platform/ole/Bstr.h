#pragma once
// Automation strings: UTF-16 text with its byte length stored just before the first character
// and a terminating zero after the last, so a BSTR also reads as a C string. A null BSTR is the
// empty string.

#include "platform/base/WinTypes.h"

#include <string>
#include <string_view>

using OLECHAR = WCHAR;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;
using BSTR = OLECHAR*;

// A new string holding text up to its terminating zero; null for null text.
BSTR SysAllocString(LPCOLESTR text);
// A new string of length characters copied from text (which may hold zeros), or zeros when
// text is null. Always terminated. Null when the length is too large.
BSTR SysAllocStringLen(LPCOLESTR text, UINT length);
// Frees a string made by SysAlloc*; null is allowed.
void SysFreeString(BSTR text);
// The length in characters, from the prefix; 0 for null.
UINT SysStringLen(BSTR text);
UINT SysStringByteLen(BSTR text);

namespace qx::ole {

// A new BSTR with the characters of text.
inline BSTR AllocBstr(std::u16string_view text) {
    return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}
// The characters of a BSTR as a wide string (by its length, zeros included).
inline std::u16string BstrToString(BSTR text) { return std::u16string(text ? text : u"", SysStringLen(text)); }

}  // namespace qx::ole
