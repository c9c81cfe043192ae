#include "skin/SkinColor.h"

#include "platform/base/Strings.h"

COLORREF ParseSkinColor(const CString& strColor) {
    const auto n = static_cast<DWORD>(qx::HexToLong(qx::WideToUtf8(strColor)));
    return RGB(static_cast<BYTE>(n >> 16), static_cast<BYTE>(n >> 8), static_cast<BYTE>(n));
}
