#include "skin/ProfileFile.h"

#include <sys/stat.h>

#include "platform/base/Paths.h"
#include "platform/base/Profile.h"

namespace {
CString& CurrentProfileFile() {
    static CString file;
    return file;
}
}  // namespace

bool PathExists(const CString& strPath) {
    struct stat st {};
    return !strPath.empty() && ::stat(qx::ToFileSystemPath(strPath).c_str(), &st) == 0;
}

void SelectProfileFile(const CString& strPath) {
    if (PathExists(strPath)) CurrentProfileFile() = strPath;
}

CString ReadProfileString(const CString& strSection, const CString& strKey) {
    WCHAR buffer[260];
    GetPrivateProfileStringW(strSection.c_str(), strKey.c_str(), u"", buffer, 260, CurrentProfileFile().c_str());
    return buffer;
}

const CString& GetCurrentProfileFile() { return CurrentProfileFile(); }

void ResetCurrentProfileFileForTesting() { CurrentProfileFile().clear(); }
