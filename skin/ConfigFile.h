#pragma once
// The reader and writer of config.ini in the program folder, which names the skin folder
// (section "skin", key "path", relative to the program folder). One per process.

#include "platform/base/WinTypes.h"

class CConfigFile {
public:
    static CConfigFile& GetInstance();
    // Forgets the instance, so that the next GetInstance builds a new one for the current
    // program folder.
    static void ResetForTesting();

    // The program folder followed by the configured path; read once, then kept.
    CString GetSkinFolder();

    // Keeps strFolder and writes it, made relative to the program folder, to config.ini, creating
    // the file when it does not exist. A failed write is ignored.
    void SetSkinFolder(const CString& strFolder);

private:
    CConfigFile();

    CString m_strConfigIni;
    CString m_strSkinFolder;
};
