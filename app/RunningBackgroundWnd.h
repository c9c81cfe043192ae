#pragma once
// The hidden owner of all the program's windows and the carrier of its only message loop: the
// start-up routine runs it modally. It adds and at once withdraws the notification-area icon,
// creates the skinned background window (which creates the main window), and ends the program
// by destroying itself when a close request reaches it.

#include <memory>

#include "app/QXBrowserBackgroundDlg.h"
#include "app/QXTrayIcon.h"
#include "platform/framework/Framework.h"

class RunningBackgroundWnd : public CDialogEx {
public:
    RunningBackgroundWnd();
    ~RunningBackgroundWnd() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;

    std::unique_ptr<CQXTrayIcon> m_pTrayIcon;
    std::unique_ptr<CQXBrowserBackgroundDlg> m_pBackground;

protected:
    void OnIgnoreCommand() {}
    LRESULT OnTrayIconMessage(WPARAM wParam, LPARAM lParam);
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    // Brings the background window to the foreground, through the system's SwitchToThisWindow
    // when it has one.
    void SwitchToBackground();
};
