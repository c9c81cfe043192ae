#pragma once
// The main window's stand-in for tests of the page dialog: a pop-up dialog with the hidden
// page-area placeholder 1039 that records every page notification it receives (and can answer
// or act on it).

#include "browser/QXPageEvent.h"
#include "platform/base/Strings.h"
#include "platform/framework/Framework.h"
#include "res/ResourceIds.h"

#include <functional>
#include <ostream>
#include <vector>

namespace qx::browser::test {

// One notification as the receiver saw it (the record itself is gone after the send).
struct Notice {
    UINT code = 0;
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    CString url, frame, headers, text;
    bool hasBody = false;
    std::vector<BYTE> body;
    std::int32_t bodySize = 0;
    std::int32_t progress = 0, progressMax = 0;
    std::int32_t tabId = 0;
    bool hasNewWindowPointers = false;  // ppDisp and pbCancel given
};

inline std::ostream& operator<<(std::ostream& out, const Notice& n) {
    return out << "{code " << n.code << " tab " << n.tabId << " url \"" << WideToUtf8(n.url) << "\" text \""
               << WideToUtf8(n.text) << "\" progress " << n.progress << "/" << n.progressMax << "}";
}

// The main window's stand-in: a pop-up with the hidden page-area placeholder 1039.
class CRecordingFrame : public CDialog {
public:
    std::vector<Notice> notices;
    // Runs for each notification before it is recorded; its answer is the reply.
    std::function<LRESULT(NMPAGEEVENT&)> onNotice;

    HWND PageArea() const { return ::GetDlgItem(m_hWnd, IDC_PAGE_AREA); }
    std::vector<UINT> Codes() const {
        std::vector<UINT> codes;
        for (const Notice& n : notices) codes.push_back(n.code);
        return codes;
    }

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        auto* e = reinterpret_cast<NMPAGEEVENT*>(lParam);
        if (wParam != IDC_PAGE_AREA || !e) return CDialog::OnNotify(wParam, lParam, pResult);
        const LRESULT reply = onNotice ? onNotice(*e) : 0;
        Notice n{e->hdr.code, e->hdr.hwndFrom, e->hdr.idFrom, e->strUrl, e->strFrame, e->strHeaders, e->strText};
        n.hasBody = e->pPostData != nullptr;
        if (e->pPostData) n.body.assign(e->pPostData, e->pPostData + e->nPostDataSize);
        n.bodySize = e->nPostDataSize;
        n.progress = e->nProgress;
        n.progressMax = e->nProgressMax;
        n.tabId = e->nTabId;
        n.hasNewWindowPointers = e->ppDisp != nullptr && e->pbCancel != nullptr;
        notices.push_back(n);
        *pResult = reply;
        return TRUE;
    }
};

inline constexpr DialogItemTemplate kFrameItems[] = {
    {IDC_PAGE_AREA, u"Static", u"", 0, 0, 10, 30, 400, 250},
};
inline constexpr DialogTemplate kFrameTemplate = {
    129, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 0, 0, 420, 300, u"", u"MS Shell Dlg", 9, kFrameItems,
};

}  // namespace qx::browser::test
