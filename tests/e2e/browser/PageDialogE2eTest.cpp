#include "tests/e2e/browser/PageDialogE2eTest.h"

#include "platform/backend/gtk/CreateGtkBackend.h"
#include "platform/win/WinApi.h"
#include "res/Resources.h"
#include "tests/e2e/support/GtkTestDisplay.h"
#include "tests/e2e/support/WaitUntil.h"

#include <chrono>

namespace qx::browser::e2e {

void PageDialogE2eTest::SetUp() {
    const std::string why = qx::e2e::PrepareGtkDisplay();
    if (!why.empty()) GTEST_SKIP() << why;
    ASSERT_TRUE(server.IsListening());
    int argc = 0;
    char** argv = nullptr;
    backend = qx::backend::CreateGtkBackend(argc, argv);
    ASSERT_NE(backend, nullptr);
    scope = std::make_unique<qx::win::WindowSystemScope>(*backend);
    qx::res::RegisterResources();
    engines = std::make_unique<qx::backend::gtk::GtkWebEngines>(static_cast<qx::backend::gtk::GtkBackend&>(*backend));
    frame = std::make_unique<test::CRecordingFrame>();
    ASSERT_TRUE(frame->CreateIndirect(test::kFrameTemplate, nullptr));
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(frame->m_hWnd); }));
}

void PageDialogE2eTest::TearDown() {
    pages.clear();
    frame.reset();
    if (scope) qx::win::PumpPendingMessages();
    engines.reset();
    scope.reset();
    backend.reset();
    qx::e2e::RunMainContextFor(std::chrono::milliseconds(20));
}

CQXExplorerControlDlg& PageDialogE2eTest::OpenPage(int tabId) {
    auto page = std::make_unique<CQXExplorerControlDlg>();
    page->m_nNotifyId = IDC_PAGE_AREA;
    EXPECT_TRUE(page->Create(CQXExplorerControlDlg::IDD, frame.get()));
    page->ShowWindow(SW_SHOW);
    page->m_wndBrowser.put_Silent(TRUE);
    page->m_nTabId = tabId;
    RECT client;
    frame->GetClientRect(&client);
    page->MoveWindow(&client);
    pages.push_back(std::move(page));
    return *pages.back();
}

bool PageDialogE2eTest::PumpUntil(const std::function<bool()>& predicate) {
    return qx::e2e::WaitUntil([&] {
        qx::win::PumpPendingMessages();
        return predicate();
    });
}

void PageDialogE2eTest::PumpFor(int ms) {
    qx::e2e::WaitUntil(
        [] {
            qx::win::PumpPendingMessages();
            return false;
        },
        std::chrono::milliseconds(ms));
}

int PageDialogE2eTest::Find(UINT code, const CString* url, int from) const {
    const auto& notices = frame->notices;
    for (int i = std::max(from, 0); i < static_cast<int>(notices.size()); ++i) {
        if (notices[i].code == code && (!url || notices[i].url == *url)) return i;
    }
    return -1;
}

}  // namespace qx::browser::e2e
