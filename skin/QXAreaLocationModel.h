#pragma once
// Where an area, image or text box sits: a skin value "image, x, y, width rule, height rule,
// anchor" whose size may stretch with the parent window (see ComputeAreaRect).

#include "platform/base/WinTypes.h"

class CQXAreaLocationModel {
public:
    // Fills all six fields from the value, as CQXButtonLocationModel::ParseValue does, keeping
    // the width and height rules as text.
    void ParseValue(const CString& strValue);

    CString m_strImage;  // skin folder + image file name
    LONG m_nX = 0;
    LONG m_nY = 0;
    CString m_strWidth;   // "n" or "a-b"
    CString m_strHeight;  // "n" or "a-b"
    CString m_strAnchor;  // "T", "L", "B", "R" or "RR"
};
