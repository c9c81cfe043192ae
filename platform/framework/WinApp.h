#pragma once
// The application object: one per program, made as a global before main(). main() calls
// AfxWinMain, which runs InitInstance and, when that asks for it, the message loop, then
// ExitInstance, whose answer is the process's exit code.

#include "platform/framework/CmdTarget.h"
#include "platform/win/WinUser.h"

#include <string>

class CWnd;

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)

public:
    // The application's name (message box captions); the program file's name when null.
    explicit CWinApp(LPCWSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    // Runs the message loop until WM_QUIT, then ExitInstance.
    virtual int Run();
    virtual int ExitInstance();

    // Kept only: there is no registry; profile settings go to INI files.
    void SetRegistryKey(LPCWSTR lpszRegistryKey);

    // The thread's main window. When its window exists the window system knows it too, and its
    // destruction ends the message loop; the framework clears this when that window is destroyed.
    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName;
    LPCWSTR m_pszAppName = nullptr;  // m_strAppName's text
    CString m_strRegistryKey;
    DWORD m_dwRestartManagerSupportFlags = 0;
    // The exit code of the last WM_QUIT a loop of the framework took.
    int m_nExitCode = 0;
};

constexpr DWORD AFX_RESTART_MANAGER_SUPPORT_RESTART = 0x01;

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// InitInstance; Run when it answered TRUE, else (destroying any main window) ExitInstance.
// -1 without an application object.
int AfxWinMain();
