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

}  // namespace
}  // namespace qx::fw::test
