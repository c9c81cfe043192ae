// Control messages handed back to the control: colour requests (the reflected control-colour
// message 0xBC19), owner drawing (DrawItem) and commands and notifications the control handles
// itself.

#include "FrameworkTest.h"

#include <vector>


namespace qx::fw::test {
namespace {

static_assert(WM_REFLECT_BASE + WM_CTLCOLOR == 0xBC19);

// An edit with its own colours, answering the reflected colour request.
class CColorEdit : public CEdit {
public:
    CBrush m_brBack;
    UINT m_nAskedType = 0xFFFF;
    int m_nAsked = 0;

protected:
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) {
        ++m_nAsked;
        m_nAskedType = nCtlColor;
        if (!m_brBack.m_hObject) return nullptr;
        pDC->SetTextColor(RGB(11, 72, 127));
        pDC->SetBkColor(RGB(1, 2, 3));
        return m_brBack;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorEdit, CEdit)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// A parent that lets the base handle colour requests first and then answers its own brush.
class CColorParent : public CWnd {
public:
    CBrush m_brBackground{RGB(255, 0, 255)};
    HBRUSH m_hBaseAnswer = nullptr;
    int m_nClicks = 0;
    int m_nDrawItems = 0;
    bool m_bOwnDrawing = false;

protected:
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        m_hBaseAnswer = CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
        return m_brBackground;
    }
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
        ++m_nDrawItems;
        if (!m_bOwnDrawing) CWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
    }
    void OnClicked() { ++m_nClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorParent, CWnd)
    ON_WM_CTLCOLOR()
    ON_WM_DRAWITEM()
    ON_BN_CLICKED(2, &CColorParent::OnClicked)
    ON_BN_CLICKED(3, &CColorParent::OnClicked)
END_MESSAGE_MAP()

class CDrawnButton : public CButton {
public:
    std::vector<UINT> m_states;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { m_states.push_back(lpDrawItemStruct->itemState); }
};

// Takes its own clicks; with m_bPassOn the parent sees them as well.
class CSelfClickingButton : public CButton {
public:
    int m_nOwnClicks = 0;
    bool m_bPassOn = false;

protected:
    BOOL OnReflectedClick() {
        ++m_nOwnClicks;
        return m_bPassOn ? FALSE : TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfClickingButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &CSelfClickingButton::OnReflectedClick)
END_MESSAGE_MAP()

class ReflectionTest : public FrameworkTest {
protected:
    ReflectionTest() {
        parent.CreateEx(0, nullptr, u"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr);
        edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &parent, 1);
        dc.CreateCompatibleDC(nullptr);
    }
    HBRUSH AskParent() {
        return reinterpret_cast<HBRUSH>(::SendMessageW(parent.m_hWnd, WM_CTLCOLOREDIT,
                                                        reinterpret_cast<WPARAM>(dc.m_hDC),
                                                        reinterpret_cast<LPARAM>(edit.m_hWnd)));
    }

    CColorParent parent;
    CColorEdit edit;
    CDC dc;
};

TEST_F(ReflectionTest, TheEditsColoursComeFromItsReflectedHandlerAndTheParentsBrushWins) {
    edit.m_brBack.CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(AskParent(), static_cast<HBRUSH>(parent.m_brBackground));
    EXPECT_EQ(edit.m_nAskedType, CTLCOLOR_EDIT);
    EXPECT_EQ(parent.m_hBaseAnswer, static_cast<HBRUSH>(edit.m_brBack)) << "the base answered the edit's brush";
    EXPECT_EQ(dc.GetTextColor(), RGB(11, 72, 127)) << "the edit set the colours the parent's answer uses";
}

TEST_F(ReflectionTest, AnEditWithoutBrushLeavesTheRequestToTheParent) {
    dc.SetTextColor(RGB(9, 9, 9));
    EXPECT_EQ(AskParent(), static_cast<HBRUSH>(parent.m_brBackground));
    EXPECT_EQ(edit.m_nAsked, 1);
    EXPECT_EQ(parent.m_hBaseAnswer, nullptr);
    EXPECT_EQ(dc.GetTextColor(), RGB(9, 9, 9));
}

TEST_F(ReflectionTest, TheEditsOwnPaintAsksForColoursThroughItsParent) {
    edit.m_brBack.CreateSolidBrush(RGB(1, 2, 3));
    Pump();
    edit.Invalidate();
    edit.UpdateWindow();
    EXPECT_GE(edit.m_nAsked, 1);
    EXPECT_EQ(edit.m_nAskedType, CTLCOLOR_EDIT);
    // The parent's brush (magenta) fills the edit's background.
    EXPECT_EQ(PixelOf(edit.m_hWnd, 98, 1), RGB(255, 0, 255));
}

TEST_F(ReflectionTest, OwnerDrawingReachesTheButtonsDrawItemUnlessTheParentDrawsItself) {
    CDrawnButton button;
    ASSERT_TRUE(button.Create(u"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 30, 40, 50), &parent, 2));
    Pump();
    EXPECT_EQ(parent.m_nDrawItems, 1);
    ASSERT_EQ(button.m_states.size(), 1u);

    parent.m_bOwnDrawing = true;
    button.Invalidate();
    Pump();
    EXPECT_EQ(parent.m_nDrawItems, 2);
    EXPECT_EQ(button.m_states.size(), 1u);
}

TEST_F(ReflectionTest, AControlThatHandlesItsOwnClickKeepsItFromTheParentUnlessItPassesItOn) {
    CSelfClickingButton button;
    ASSERT_TRUE(button.Create(u"go", WS_CHILD | WS_VISIBLE, CRect(0, 30, 40, 50), &parent, 3));
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(button.m_nOwnClicks, 1);
    EXPECT_EQ(parent.m_nClicks, 0);
    button.m_bPassOn = true;
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(button.m_nOwnClicks, 2);
    EXPECT_EQ(parent.m_nClicks, 1);
}

}  // namespace
}  // namespace qx::fw::test
