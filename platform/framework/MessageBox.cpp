#include "platform/framework/MessageBox.h"

#include "platform/framework/WinApp.h"
#include "platform/framework/Wnd.h"

int AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT) {
    CWinApp* app = AfxGetApp();
    // The active window, or the main window when none is active, owns the box.
    HWND owner = ::GetActiveWindow();
    if (!owner && app && app->m_pMainWnd) owner = app->m_pMainWnd->m_hWnd;
    LPCWSTR caption = app ? app->m_pszAppName : u"qxbrowser";
    return ::MessageBoxW(owner, lpszText ? lpszText : u"", caption, nType);
}
