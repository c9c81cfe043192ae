#pragma once
// The page dialog in a real window: the window system on the GTK backend under our own Xvfb,
// each web browser control a WebKit view inside the page holder the backend keeps over the
// control's window, and a page server on 127.0.0.1.

#include "browser/QXExplorerControlDlg.h"
#include "platform/backend/gtk/GtkBackend.h"
#include "platform/backend/gtk/GtkWebEngines.h"
#include "system/browser/RecordingFrame.h"
#include "tests/e2e/support/PageServer.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qx::browser::e2e {

class PageDialogE2eTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A page dialog made as the main window's new tab makes it, filling the frame's client area.
    CQXExplorerControlDlg& OpenPage(int tabId);
    // Runs the window system's queue and GTK until predicate holds (false after the wait).
    bool PumpUntil(const std::function<bool()>& predicate);
    // Pumps for about ms, for checks that something does NOT happen.
    void PumpFor(int ms);
    // The first notice at or after from with code (and url, when given); -1 when none.
    int Find(UINT code, const CString* url = nullptr, int from = 0) const;
    bool Saw(UINT code, const CString& url) const { return Find(code, &url) >= 0; }

    static CString W(const std::string& text) { return Utf8ToWide(text); }
    CString Url(const std::string& path) const { return W(server.Url(path)); }

    qx::e2e::PageServer server;
    std::unique_ptr<qx::backend::Backend> backend;
    std::unique_ptr<qx::win::WindowSystemScope> scope;
    std::unique_ptr<qx::backend::gtk::GtkWebEngines> engines;
    std::unique_ptr<test::CRecordingFrame> frame;
    std::vector<std::unique_ptr<CQXExplorerControlDlg>> pages;
};

inline std::string SimplePage(const std::string& title, const std::string& body = "") {
    return "<html><head><title>" + title + "</title></head><body style=\"margin:0\">" + body + "</body></html>";
}

}  // namespace qx::browser::e2e
