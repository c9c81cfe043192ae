#include "skin/ButtonPlacement.h"

#include <algorithm>
#include <cstdint>

ButtonPlacement ComputeButtonPlacement(const RECT& rcParent, LONG nX, LONG nY, LONG nWidth, LONG nHeight,
                                       const CString& strAnchor) {
    ButtonPlacement placement{nX, nY, nWidth, nHeight};
    if (strAnchor == u"R") {
        const long long W = static_cast<long long>(rcParent.right) - rcParent.left;
        placement.x = static_cast<LONG>(std::clamp<long long>(W - nX, INT32_MIN, INT32_MAX));
    }
    return placement;
}
