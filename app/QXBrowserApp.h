#pragma once
// The application object: what start-up sets up before any window exists, the skin folder, and
// the one modal run of the hidden owner window that is the whole life of the user interface.

#include "platform/framework/Framework.h"

class CQXBrowserApp : public CWinApp {
public:
    CQXBrowserApp();

    // Runs the whole user interface and answers FALSE: there is no message loop of the
    // application's own, so the framework goes straight to ExitInstance.
    BOOL InitInstance() override;
    int ExitInstance() override;

    ULONG_PTR m_gdiplusToken = 0;
    // FIXME: the script bridge, std::unique_ptr<CImpIDispatch> m_pExternalDispatch, created at
    // start-up and deleted at exit.
};
