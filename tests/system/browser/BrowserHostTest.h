#pragma once
// A fixture for the browser host on the headless backend: scripted pages on a clock the test
// moves, a main window stand-in that records every page notification, and page dialogs made
// the way the main window's new tab makes them.

#include "RecordingFrame.h"
#include "browser/QXExplorerControlDlg.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/web/ManualWebClock.h"
#include "platform/backend/headless/web/ScriptedWebEngines.h"
#include "platform/win/WinApi.h"
#include "res/Resources.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace qx::browser::test {

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
