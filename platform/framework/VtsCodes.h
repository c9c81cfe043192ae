#pragma once
// Argument type lists of automation calls and event handlers: one byte per argument, written by
// juxtaposing the names (VTS_BSTR VTS_PVARIANT ...). A by-reference argument carries 0x40.

#include "platform/base/WinTypes.h"

#include <cstddef>

#define VTS_NONE ""
#define VTS_I2 "\x02"
#define VTS_I4 "\x03"
#define VTS_R4 "\x04"
#define VTS_R8 "\x05"
#define VTS_BSTR "\x08"
#define VTS_DISPATCH "\x09"
#define VTS_SCODE "\x0A"
#define VTS_BOOL "\x0B"
#define VTS_VARIANT "\x0C"
#define VTS_UNKNOWN "\x0D"
#define VTS_I1 "\x10"
#define VTS_UI1 "\x11"
#define VTS_UI2 "\x12"
#define VTS_UI4 "\x13"
#define VTS_PI2 "\x42"
#define VTS_PI4 "\x43"
#define VTS_PBSTR "\x48"
#define VTS_PDISPATCH "\x49"
#define VTS_PBOOL "\x4B"
#define VTS_PVARIANT "\x4C"
#define VTS_PUNKNOWN "\x4D"

namespace qx::fw {

constexpr BYTE VTS_BYREF_FLAG = 0x40;

enum VtsCode : BYTE {
    kVtsI2 = 0x02,
    kVtsI4 = 0x03,
    kVtsR4 = 0x04,
    kVtsR8 = 0x05,
    kVtsBstr = 0x08,
    kVtsDispatch = 0x09,
    kVtsScode = 0x0A,
    kVtsBool = 0x0B,
    kVtsVariant = 0x0C,
    kVtsUnknown = 0x0D,
    kVtsI1 = 0x10,
    kVtsUi1 = 0x11,
    kVtsUi2 = 0x12,
    kVtsUi4 = 0x13,
    kVtsPI2 = 0x42,
    kVtsPI4 = 0x43,
    kVtsPBstr = 0x48,
    kVtsPDispatch = 0x49,
    kVtsPBool = 0x4B,
    kVtsPVariant = 0x4C,
    kVtsPUnknown = 0x4D,
};

// An argument type list as written (a byte array or a string literal); null means no arguments.
class ParamInfo {
public:
    ParamInfo(std::nullptr_t) {}
    ParamInfo(const BYTE* codes) : m_codes(codes) {}
    ParamInfo(const char* codes) : m_codes(reinterpret_cast<const BYTE*>(codes)) {}
    const BYTE* codes() const { return m_codes; }

private:
    const BYTE* m_codes = nullptr;
};

}  // namespace qx::fw
