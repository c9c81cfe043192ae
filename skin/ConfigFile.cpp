#include "skin/ConfigFile.h"

#include <memory>

#include "platform/base/Paths.h"
#include "platform/base/Profile.h"
#include "skin/ProfileFile.h"

namespace {

std::unique_ptr<CConfigFile>& Instance() {
    static std::unique_ptr<CConfigFile> instance;
    return instance;
}

CString RemoveAll(CString text, const CString& strPart) {
    if (strPart.empty()) return text;
    for (std::size_t at = text.find(strPart); at != CString::npos; at = text.find(strPart, at)) {
        text.erase(at, strPart.size());
    }
    return text;
}

}  // namespace

CConfigFile& CConfigFile::GetInstance() {
    if (!Instance()) Instance().reset(new CConfigFile);
    return *Instance();
}

void CConfigFile::ResetForTesting() { Instance().reset(); }

CConfigFile::CConfigFile() : m_strConfigIni(qx::GetProgramFolder() + u"config.ini") {}

CString CConfigFile::GetSkinFolder() {
    if (m_strSkinFolder.empty()) {
        SelectProfileFile(m_strConfigIni);
        m_strSkinFolder = qx::GetProgramFolder() + ReadProfileString(u"skin", u"path");
    }
    return m_strSkinFolder;
}

void CConfigFile::SetSkinFolder(const CString& strFolder) {
    m_strSkinFolder = strFolder;
    const CString strRelative = RemoveAll(strFolder, qx::GetProgramFolder());
    // Written to config.ini itself, never to whichever file happens to be current: a missing
    // config.ini is created so that the choice sticks.
    WritePrivateProfileStringW(u"skin", u"path", strRelative.c_str(), m_strConfigIni.c_str());
    SelectProfileFile(m_strConfigIni);
}
