#pragma once
// Where an image button sits: a skin value "image, x, y, width, height, anchor" with a fixed size
// in pixels. CSkinFile keeps one shared instance that every button-location read refills.

#include "platform/base/WinTypes.h"

class CQXButtonLocationModel {
public:
    CQXButtonLocationModel() = default;
    CQXButtonLocationModel(const CQXButtonLocationModel&) = default;
    CQXButtonLocationModel& operator=(const CQXButtonLocationModel&) = default;
    virtual ~CQXButtonLocationModel() = default;

    // Fills all six fields from the value. Fields are taken as they stand between the commas;
    // numbers read like _wtol; missing fields give "" or 0; fields after the sixth are ignored.
    void ParseValue(const CString& strValue);

    CString m_strImage;  // skin folder + image file name
    LONG m_nX = 0;
    LONG m_nY = 0;
    LONG m_nWidth = 0;
    LONG m_nHeight = 0;
    CString m_strAnchor;
};
