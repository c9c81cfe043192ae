#include "skin/SkinFile.h"

#include "skin/ProfileFile.h"
#include "skin/SkinColor.h"

namespace {
std::unique_ptr<CSkinFile>& Instance() {
    static std::unique_ptr<CSkinFile> instance;
    return instance;
}
}  // namespace

CSkinFile& CSkinFile::GetInstance() {
    if (!Instance()) Instance().reset(new CSkinFile);
    return *Instance();
}

void CSkinFile::ResetForTesting() { Instance().reset(); }

CSkinFile::CSkinFile() : m_pButtonLocation(std::make_unique<CQXButtonLocationModel>()) {}

bool CSkinFile::Open(const CString& strFolder) {
    m_strSkinIni = strFolder + u"skin.ini";
    if (!PathExists(m_strSkinIni)) return false;
    m_strSkinFolder = strFolder;
    return true;
}

CString CSkinFile::ReadValue(const CString& strSection, const CString& strName) const {
    SelectProfileFile(m_strSkinIni);
    return ReadProfileString(strSection, strName);
}

CString CSkinFile::GetBackgroundImage() {
    if (m_strBackgroundImage.empty()) m_strBackgroundImage = m_strSkinFolder + ReadValue(u"IMG", u"BG_IMAGE");
    return m_strBackgroundImage;
}

COLORREF CSkinFile::GetBackgroundColor() { return ParseSkinColor(ReadValue(u"COLOR", u"BG_COLOR")); }

CQXButtonLocationModel* CSkinFile::ReadButtonLocation(const CString& strName) {
    m_pButtonLocation->ParseValue(ReadValue(u"IMG", strName));
    return m_pButtonLocation.get();
}

std::unique_ptr<CQXAreaLocationModel> CSkinFile::ReadAreaLocation(const CString& strSection, const CString& strName) {
    auto pArea = std::make_unique<CQXAreaLocationModel>();
    pArea->ParseValue(ReadValue(strSection, strName));
    return pArea;
}
