#include "skin/SplitString.h"

std::vector<CString> SplitString(const CString& str, WCHAR chSeparator, int& nCount) {
    std::vector<CString> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = str.find(chSeparator, start);
        if (at == CString::npos) {
            fields.push_back(str.substr(start));
            break;
        }
        fields.push_back(str.substr(start, at - start));
        start = at + 1;
    }
    nCount = static_cast<int>(fields.size());
    return fields;
}
