// Handlers that destroy their own window, or delete their own object, inside a send: nothing
// of the object is touched afterwards (the sanitizer build catches any use after free), and
// later messages to the dead handle fail cleanly.

#include "FrameworkTest.h"

namespace qx::fw::test {
namespace {

// Deletes itself once its window is gone, as self-owning windows do.
class CSelfDeleting : public CWnd {
public:
    explicit CSelfDeleting(bool& deleted) : m_deleted(deleted) {}
    ~CSelfDeleting() override { m_deleted = true; }

protected:
    void OnLButtonDown(UINT, CPoint) { DestroyWindow(); }
    void OnTimer(UINT_PTR) { delete this; }
    void PostNcDestroy() override { delete this; }
    DECLARE_MESSAGE_MAP()

private:
    bool& m_deleted;
};

BEGIN_MESSAGE_MAP(CSelfDeleting, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_TIMER()
END_MESSAGE_MAP()

class DestroyInHandlerTest : public FrameworkTest {};

TEST_F(DestroyInHandlerTest, DestroyingTheOwnWindowInsideASendDeletesTheObjectSafely) {
    bool deleted = false;
    auto* wnd = new CSelfDeleting(deleted);
    ASSERT_TRUE(wnd->CreateEx(0, nullptr, u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hwnd = wnd->m_hWnd;
    EXPECT_EQ(::SendMessageW(hwnd, WM_LBUTTONDOWN, 0, 0), 0);
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    EXPECT_EQ(::SendMessageW(hwnd, WM_LBUTTONDOWN, 0, 0), 0) << "the dead handle answers nothing";
}

TEST_F(DestroyInHandlerTest, DeletingTheObjectInsideItsHandlerDestroysTheWindowSafely) {
    bool deleted = false;
    auto* wnd = new CSelfDeleting(deleted);
    ASSERT_TRUE(wnd->CreateEx(0, nullptr, u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hwnd = wnd->m_hWnd;
    ::SendMessageW(hwnd, WM_TIMER, 1, 0);
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(::IsWindow(hwnd));
}

// A parent that deletes the button object inside the button's own BN_CLICKED, as closing a tab
// deletes the tab's close button.
class CDeletesButton : public CWnd {
public:
    CButton* m_pButton = nullptr;
    int m_nClicks = 0;

protected:
    void OnClicked() {
        ++m_nClicks;
        delete m_pButton;
        m_pButton = nullptr;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDeletesButton, CWnd)
    ON_BN_CLICKED(1223, &CDeletesButton::OnClicked)
END_MESSAGE_MAP()

TEST_F(DestroyInHandlerTest, AParentDeletingAButtonInItsClickLeavesNothingDangling) {
    CDeletesButton parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, u"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr));
    parent.m_pButton = new CButton;
    ASSERT_TRUE(parent.m_pButton->Create(u"x", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 40, 30), &parent, 1223));
    HWND button = parent.m_pButton->m_hWnd;
    Pump();
    const POINT at = CenterOf(button);
    backend.Click(at);
    Pump();
    EXPECT_EQ(parent.m_nClicks, 1);
    EXPECT_FALSE(::IsWindow(button));
    backend.Click(at);
    Pump();
    EXPECT_EQ(parent.m_nClicks, 1);
}

// A handler that holds the stand-in object of a foreign window while a nested loop runs: the
// stand-in outlives the window for as long as any handler runs.
class CHoldsStandIn : public CWnd {
public:
    HWND m_hForeign = nullptr;
    CString m_strAfter = u"unset";

protected:
    void OnHold() {
        CWnd* standIn = CWnd::FromHandle(m_hForeign);
        ::DestroyWindow(m_hForeign);
        PostMessage(WM_NULL);
        qx::win::PumpPendingMessages();
        m_strAfter = standIn->GetWindowText();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHoldsStandIn, CWnd)
    ON_COMMAND(5, &CHoldsStandIn::OnHold)
END_MESSAGE_MAP()

TEST_F(DestroyInHandlerTest, StandInObjectsOfDeadWindowsLiveWhileAHandlerMayHoldThem) {
    CHoldsStandIn wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wnd.m_hForeign = ::CreateWindowExW(0, u"Static", u"foreign", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(wnd.m_hForeign, nullptr);
    EXPECT_EQ(CWnd::FromHandle(wnd.m_hForeign), CWnd::FromHandle(wnd.m_hForeign)) << "one stand-in per window";
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hForeign), nullptr);
    wnd.SendMessage(WM_COMMAND, 5);
    EXPECT_EQ(wnd.m_strAfter, u"") << "the dead window's stand-in answers like the dead handle";
    Pump();  // no handler runs now: the stand-in goes
}

}  // namespace
}  // namespace qx::fw::test
