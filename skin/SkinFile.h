#pragma once
// The reader of the skin's description file, skin.ini, in the skin folder: its images, layout
// values and colours, looked up by element name. One per process. Every read opens the file
// again; only the background image path is kept.

#include <memory>

#include "platform/base/WinTypes.h"
#include "skin/QXAreaLocationModel.h"
#include "skin/QXButtonLocationModel.h"

class CSkinFile {
public:
    static CSkinFile& GetInstance();
    // Forgets the instance (and with it the shared button record).
    static void ResetForTesting();

    // Points the reader at strFolder + "skin.ini". Returns false, keeping the previous skin
    // folder, when that file does not exist.
    bool Open(const CString& strFolder);

    // The skin folder in use, ending in a backslash; empty until an Open succeeds.
    const CString& GetSkinFolder() const { return m_strSkinFolder; }

    // Skin folder + the IMG value BG_IMAGE, read once and then kept.
    CString GetBackgroundImage();
    // The COLOR value BG_COLOR, read again at every call.
    COLORREF GetBackgroundColor();
    // The IMG value strName parsed into the one shared record, which the next call overwrites.
    CQXButtonLocationModel* ReadButtonLocation(const CString& strName);
    // The value strName of strSection parsed into a new record that the caller owns.
    std::unique_ptr<CQXAreaLocationModel> ReadAreaLocation(const CString& strSection, const CString& strName);

private:
    CSkinFile();
    CString ReadValue(const CString& strSection, const CString& strName) const;

    CString m_strSkinIni;
    CString m_strSkinFolder;
    CString m_strBackgroundImage;
    std::unique_ptr<CQXButtonLocationModel> m_pButtonLocation;
};
