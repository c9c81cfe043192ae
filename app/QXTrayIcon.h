#pragma once
// The program's icon in the notification area. The owner window adds it and takes it out again
// at once, so it is never seen while the program runs; the record is kept so it could be added
// again.

#include "platform/framework/Framework.h"

class CQXTrayIcon : public CObject {
    DECLARE_DYNAMIC(CQXTrayIcon)

public:
    // The icon's id and the message it would send to its owner.
    static constexpr UINT kIconId = 1025;
    static constexpr UINT kCallbackMessage = WM_USER + 1;

    CQXTrayIcon() = default;
    // Takes the icon out for good.
    ~CQXTrayIcon() override;

    // Adds the icon for the owner window; TRUE when it was added (also kept in m_bEnabled).
    BOOL Create(CWnd* pOwner, HICON hIcon);
    // Takes the icon out of the notification area, keeping the record.
    void HideIcon();
    // Takes the icon out for good.
    void RemoveIcon();

    BOOL m_bEnabled = FALSE;  // added and not removed for good
    BOOL m_bHidden = FALSE;   // taken out by HideIcon
    NOTIFYICONDATAW m_nid;
};
