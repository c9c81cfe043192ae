// The page dialog as a window: made from template 105 with its control bound, the control laid
// over the client area with its border outside, Enter and Escape ignored, and pages closed from
// inside their own notifications.

#include "BrowserHostTest.h"

#include "res/DialogTemplates.h"

namespace qx::browser::test {
namespace {

CString ClassNameOf(HWND hwnd) {
    char16_t name[64] = {};
    const int n = ::GetClassNameW(hwnd, name, 64);
    return CString(name, n > 0 ? static_cast<std::size_t>(n) : 0);
}

RECT RectInParent(HWND hwnd) {
    RECT rc;
    ::GetWindowRect(hwnd, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(hwnd), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

TEST_F(BrowserHostTest, PageIsAChildOfTheMainWindowHoldingTheBoundControl) {
    CQXExplorerControlDlg& page = OpenPage(4);

    EXPECT_EQ(::GetParent(page.m_hWnd), frame.m_hWnd);
    EXPECT_TRUE(page.IsWindowVisible());
    ASSERT_NE(page.m_wndBrowser.m_hWnd, nullptr);
    EXPECT_EQ(page.m_wndBrowser.m_hWnd, ::GetDlgItem(page.m_hWnd, IDC_EXPLORER));
    EXPECT_EQ(ClassNameOf(page.m_wndBrowser.m_hWnd), qx::res::kWebBrowserClassName);
    EXPECT_EQ(page.GetExStyle() & 0x0A000000u, 0x0A000000u) << "composited, never activated";
    EXPECT_TRUE(EngineOf(page).IsSilent());
    EXPECT_TRUE(page.IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_STREQ(page.GetRuntimeClass()->m_lpszClassName, "CQXExplorerControlDlg");
    EXPECT_TRUE(RUNTIME_CLASS(CQXExplorerControl)->CreateObject() != nullptr) << "the wrapper is made by class";
}

TEST_F(BrowserHostTest, ResizingThePagePutsTheControlsBorderOutsideIt) {
    CQXExplorerControlDlg& page = OpenPage(1);
    struct Size {
        int cx, cy;
    };
    for (const Size s : {Size{800, 600}, Size{1, 1}, Size{0, 0}, Size{1917, 1001}}) {
        SCOPED_TRACE(::testing::Message() << s.cx << " x " << s.cy);
        page.MoveWindow(5, 6, s.cx, s.cy);
        const RECT rc = RectInParent(page.m_wndBrowser.m_hWnd);
        EXPECT_EQ(rc.left, -2);
        EXPECT_EQ(rc.top, -2);
        EXPECT_EQ(rc.right, s.cx + 2);
        EXPECT_EQ(rc.bottom, s.cy + 2);
        // The page's view follows the control.
        const RECT view = EngineOf(page).Placement();
        EXPECT_EQ(view.right - view.left, s.cx + 4);
        EXPECT_EQ(view.bottom - view.top, s.cy + 4);
        EXPECT_TRUE(EngineOf(page).IsVisible());
    }
}

TEST_F(BrowserHostTest, EnterEscapeAndCloseRequestsNeverEndThePage) {
    CQXExplorerControlDlg& page = OpenPage(1);

    page.SendMessage(WM_COMMAND, IDOK, 0);
    page.SendMessage(WM_COMMAND, IDCANCEL, 0);
    page.PostMessage(WM_CLOSE);
    qx::win::PumpPendingMessages();

    EXPECT_TRUE(::IsWindow(page.m_hWnd));
    EXPECT_TRUE(page.IsWindowVisible());
    EXPECT_EQ(page.SendMessage(WM_ERASEBKGND, 0, 0), TRUE) << "the control covers it: nothing to erase";
}

TEST_F(BrowserHostTest, HiddenPageKeepsReportingUnderItsOwnTabNumber) {
    web.AddPage(u"http://a.test/", Page(u"A"));
    web.AddPage(u"http://b.test/", Page(u"B"));
    CQXExplorerControlDlg& first = OpenPage(1);
    CQXExplorerControlDlg& second = OpenPage(2);
    first.ShowWindow(SW_HIDE);

    Navigate(first, u"http://a.test/");
    Navigate(second, u"http://b.test/");
    clock.Advance(1000);

    std::vector<std::pair<int, CString>> titles;
    for (const Notice& n : frame.notices) {
        if (n.code == PN_TITLECHANGE) titles.emplace_back(n.tabId, n.text);
    }
    EXPECT_EQ(titles, (std::vector<std::pair<int, CString>>{{1, u"A"}, {2, u"B"}}));
    EXPECT_EQ(first.m_wndBrowser.get_LocationURL(), u"http://a.test/");
}

TEST_F(BrowserHostTest, PageClosedFromInsideItsOwnNotificationsGoesQuietly) {
    web.AddPage(u"http://a.test/", Page(u"A"));
    for (const UINT closingCode : {PN_BEFORENAVIGATE, PN_DOWNLOADBEGIN, PN_TITLECHANGE, PN_LOADCOMPLETE}) {
        SCOPED_TRACE(closingCode);
        frame.notices.clear();
        CQXExplorerControlDlg& page = OpenPage(1);
        frame.onNotice = [&](NMPAGEEVENT& e) -> LRESULT {
            // As the main window closing the tab: the control's window, then the dialog.
            if (e.hdr.code == closingCode) pages.clear();
            return 0;
        };
        Navigate(page, u"http://a.test/");
        clock.Advance(1000);

        ASSERT_TRUE(pages.empty());
        ASSERT_FALSE(frame.notices.empty());
        EXPECT_EQ(frame.notices.back().code, closingCode) << "nothing after the close";
        EXPECT_EQ(engines.Count(), 0u);
        frame.onNotice = nullptr;
    }
}

}  // namespace
}  // namespace qx::browser::test
