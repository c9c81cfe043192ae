#pragma once
// A fixture for the browser host on the headless backend: scripted pages on a clock the test
// moves, a main window stand-in that records every page notification (and can answer or act
// on it), and page dialogs made the way the main window's new tab makes them.

#include "browser/QXExplorerControlDlg.h"
#include "platform/base/Strings.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/web/ManualWebClock.h"
#include "platform/backend/headless/web/ScriptedWebEngines.h"
#include "platform/win/WinApi.h"
#include "res/Resources.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
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

class BrowserHostTest : public ::testing::Test {
protected:
    BrowserHostTest() {
        qx::res::RegisterResources();
        frame.CreateIndirect(kFrameTemplate, nullptr);
    }

    // A page dialog, made the way the main window opens a tab.
    CQXExplorerControlDlg& OpenPage(int tabId) {
        auto page = std::make_unique<CQXExplorerControlDlg>();
        page->m_nNotifyId = IDC_PAGE_AREA;
        EXPECT_TRUE(page->Create(CQXExplorerControlDlg::IDD, &frame));
        page->ShowWindow(SW_SHOW);
        page->m_wndBrowser.put_Silent(TRUE);
        page->m_nTabId = tabId;
        pages.push_back(std::move(page));
        return *pages.back();
    }

    qx::web::ScriptedWebEngine& EngineOf(CQXExplorerControlDlg& page) {
        qx::web::ScriptedWebEngine* engine = engines.EngineOf(page.m_wndBrowser.m_hWnd);
        EXPECT_NE(engine, nullptr);
        return *engine;
    }

    // Navigates as the main window does: the address and nothing else.
    static void Navigate(CQXExplorerControlDlg& page, const char16_t* url) {
        page.m_wndBrowser.Navigate(url, nullptr, nullptr, nullptr, nullptr);
    }

    // A page that loads in 300 ms of the clock, arriving at 100.
    qx::web::ScriptedPage Page(std::u16string title) {
        qx::web::ScriptedPage page;
        page.title = std::move(title);
        page.commitMs = 100;
        page.loadMs = 300;
        return page;
    }

    qx::backend::HeadlessBackend backend;
    qx::win::WindowSystemScope scope{backend};
    qx::web::ScriptedWeb web;
    qx::web::ManualWebClock clock;
    qx::web::ScriptedWebEngines engines{web, clock};
    CRecordingFrame frame;
    // Destroyed first: pages go before the frame, the engines and the clock.
    std::vector<std::unique_ptr<CQXExplorerControlDlg>> pages;
};

}  // namespace qx::browser::test
