#pragma once
// The one protocol from a page dialog to the main window: each browser event that matters
// becomes an NMPAGEEVENT, sent synchronously as WM_NOTIFY with control id 1039. The record lives
// on the sender's stack for the send; the receiver may read every field and write through
// ppDisp and pbCancel, but keeps no pointer into it.

#include "platform/ole/Unknown.h"
#include "platform/win/WinUser.h"

#include <cstdint>

// Notification codes (hdr.code) and the fields each one fills.
constexpr UINT PN_BEFORENAVIGATE = 0;     // strUrl, strFrame, pPostData, nPostDataSize, strHeaders;
                                          // a non-zero reply cancels the navigation
constexpr UINT PN_DOWNLOADBEGIN = 4;      // none
constexpr UINT PN_LOADCOMPLETE = 5;       // strUrl (document complete only)
constexpr UINT PN_NAVIGATECOMPLETE = 7;   // strUrl
constexpr UINT PN_NEWWINDOW2 = 9;         // ppDisp, pbCancel
constexpr UINT PN_NEWWINDOW3 = 10;        // strUrl, ppDisp, pbCancel
constexpr UINT PN_PROGRESSCHANGE = 21;    // nProgress, nProgressMax
constexpr UINT PN_STATUSTEXTCHANGE = 23;  // strText
constexpr UINT PN_TITLECHANGE = 25;       // strText

struct NMPAGEEVENT {
    NMHDR hdr;                         // the main window's page area, 1039, the code
    CString strUrl;                    // address carried by the event, else empty
    CString strFrame;                  // target frame name (before-navigate only)
    BYTE* pPostData = nullptr;         // copy of the request body (before-navigate only)
    std::int32_t nPostDataSize = 0;    // its length in bytes
    CString strHeaders;                // additional request headers (before-navigate only)
    std::int32_t nProgress = 0;        // progress change only
    std::int32_t nProgressMax = 0;
    CString strText;                   // status text or document title
    std::int32_t nTabId = 0;           // the number of the sending page's tab
    IDispatch** ppDisp = nullptr;      // new-window requests: where the host of the new window goes
    BOOL* pbCancel = nullptr;          // new-window requests: where the receiver may cancel
};
