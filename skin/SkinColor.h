#pragma once
// Colours of skin.ini: six hexadecimal digits RRGGBB.

#include "platform/base/WinTypes.h"

// The text read as strtol base 16 (after conversion to the narrow code page, UTF-8 here), its
// bits 16-23 as red, 8-15 as green and 0-7 as blue. Empty or non-hexadecimal text gives black.
COLORREF ParseSkinColor(const CString& strColor);
