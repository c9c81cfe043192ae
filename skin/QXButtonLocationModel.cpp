#include "skin/QXButtonLocationModel.h"

#include "platform/base/Strings.h"
#include "skin/SkinFile.h"
#include "skin/SplitString.h"

void CQXButtonLocationModel::ParseValue(const CString& strValue) {
    int nCount = 0;
    std::vector<CString> fields = SplitString(strValue, u',', nCount);
    fields.resize(6);
    m_strImage = CSkinFile::GetInstance().GetSkinFolder() + fields[0];
    m_nX = qx::WideToLong(fields[1]);
    m_nY = qx::WideToLong(fields[2]);
    m_nWidth = qx::WideToLong(fields[3]);
    m_nHeight = qx::WideToLong(fields[4]);
    m_strAnchor = fields[5];
}
