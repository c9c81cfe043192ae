#include "skin/SkinFolder.h"

#include "platform/base/Paths.h"
#include "skin/ConfigFile.h"
#include "skin/SkinFile.h"

CString ResolveSkinFolder() {
    CConfigFile& config = CConfigFile::GetInstance();
    CSkinFile& skin = CSkinFile::GetInstance();
    CString strFolder = config.GetSkinFolder();
    if (skin.Open(strFolder)) return strFolder;

    strFolder = qx::GetProgramFolder() + kDefaultSkinFolder;
    config.SetSkinFolder(strFolder);
    skin.Open(strFolder);
    return strFolder;
}
