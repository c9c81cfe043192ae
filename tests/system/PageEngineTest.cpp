// The pages' engines after start-up: a page dialog made inside the main window, as a new tab
// makes it, gets a working engine from the program's own set-up.

#include "system/BrowserTest.h"

#include <memory>

#include "browser/QXExplorerControlDlg.h"

namespace qx::systest {
namespace {

TEST_F(BrowserTest, APageDialogMadeAfterStartUpNavigatesThroughItsEngine) {
    std::unique_ptr<CQXExplorerControlDlg> page;
    CString before, after;
    Then([&] {
        ASSERT_NE(MainFrame(), nullptr);
        page = std::make_unique<CQXExplorerControlDlg>();
        ASSERT_TRUE(page->Create(CQXExplorerControlDlg::IDD, MainFrame()));
        ASSERT_NE(page->m_wndBrowser.GetSafeHwnd(), nullptr) << "the control has no engine";
        page->m_wndBrowser.put_Silent(TRUE);
        page->m_wndBrowser.Navigate(u"about:blank", nullptr, nullptr, nullptr, nullptr);
        before = page->m_wndBrowser.get_LocationURL();
        Desktop().AdvanceClock(50);
    });
    // The load's steps run on the backend's clock, one timer after another.
    Then([&] { Desktop().AdvanceClock(50); });
    Then([&] { Desktop().AdvanceClock(50); });
    Then([&] {
        if (!page) return;
        after = page->m_wndBrowser.get_LocationURL();
        // Gone while the engines' clock still runs.
        page->DestroyWindow();
    });
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(before, u"");
    EXPECT_EQ(after, u"about:blank");
}

}  // namespace
}  // namespace qx::systest
