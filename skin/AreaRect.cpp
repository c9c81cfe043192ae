#include "skin/AreaRect.h"

#include <algorithm>
#include <cstdint>

#include "platform/base/Strings.h"
#include "skin/SplitString.h"

namespace {

// Skin values are untrusted: absurd numbers saturate instead of overflowing.
LONG Saturate(long long v) {
    return static_cast<LONG>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
}

long long SizeOfRule(const CString& strRule, long long nLength) {
    int nCount = 0;
    const std::vector<CString> parts = SplitString(strRule, u'-', nCount);
    if (nCount == 2) return nLength - qx::WideToLong(parts[0]) - qx::WideToLong(parts[1]);
    return qx::WideToLong(strRule);
}

long long WidthUnderRR(const CString& strRule) {
    int nCount = 0;
    const std::vector<CString> parts = SplitString(strRule, u'-', nCount);
    if (nCount == 2) return static_cast<long long>(qx::WideToLong(parts[0])) - qx::WideToLong(parts[1]);
    return qx::WideToLong(strRule);
}

}  // namespace

void ComputeAreaRect(const RECT& rcParent, const CQXAreaLocationModel& area, RECT& rcArea) {
    const long long W = static_cast<long long>(rcParent.right) - rcParent.left;
    const long long H = static_cast<long long>(rcParent.bottom) - rcParent.top;
    const CString& anchor = area.m_strAnchor;

    const bool bFromRight = anchor == u"R" || anchor == u"RR";
    if (!bFromRight && anchor != u"T" && anchor != u"L" && anchor != u"B") return;

    const long long left = bFromRight ? W - area.m_nX : area.m_nX;
    const long long top = anchor == u"B" ? H - area.m_nY : area.m_nY;
    const long long width = anchor == u"RR" ? WidthUnderRR(area.m_strWidth) : SizeOfRule(area.m_strWidth, W);
    rcArea.left = Saturate(left);
    rcArea.top = Saturate(top);
    rcArea.right = Saturate(static_cast<long long>(rcArea.left) + width);
    rcArea.bottom = Saturate(static_cast<long long>(rcArea.top) + SizeOfRule(area.m_strHeight, H));
}
