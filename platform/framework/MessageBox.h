#pragma once
// Message boxes of the application: owned by the application's active window, captioned with
// its name.

#include "platform/win/WinUser.h"

#include <string>

int AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
inline int AfxMessageBox(const CString& strText, UINT nType = MB_OK, UINT nIDHelp = 0) {
    return AfxMessageBox(strText.c_str(), nType, nIDHelp);
}
