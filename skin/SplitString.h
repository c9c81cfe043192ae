#pragma once
// Splitting of skin values into their fields.

#include <vector>

#include "platform/base/WinTypes.h"

// The pieces of str between occurrences of chSeparator, empty pieces included; nCount becomes the
// number of separators plus one. A text without a separator is one field, the whole text.
std::vector<CString> SplitString(const CString& str, WCHAR chSeparator, int& nCount);
