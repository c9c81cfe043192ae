// Buttons under the mouse: a press and a release over the button give one BN_CLICKED, a release
// elsewhere gives none; owner-drawn buttons are drawn pressed (ODS_SELECTED) while held.

#include "FrameworkTest.h"

#include <vector>

namespace qx::fw::test {
namespace {

class CRecordingButton : public CButton {
public:
    std::vector<UINT> m_states;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { m_states.push_back(lpDrawItemStruct->itemState); }
};

// Hands double clicks to the button procedure as presses, as the skin's image buttons do.
class CDoubleClickAsPress : public CRecordingButton {
public:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        return CButton::DefWindowProc(message == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : message, wParam, lParam);
    }
};

class CClickCounter : public CWnd {
public:
    int m_nClicks = 0;
    int m_nDoubleClicks = 0;

protected:
    void OnClicked() { ++m_nClicks; }
    void OnDoubleClicked() { ++m_nDoubleClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClickCounter, CWnd)
    ON_BN_CLICKED(1013, &CClickCounter::OnClicked)
    ON_BN_DOUBLECLICKED(1013, &CClickCounter::OnDoubleClicked)
END_MESSAGE_MAP()

class ButtonTest : public FrameworkTest {
protected:
    ButtonTest() { parent.CreateEx(0, nullptr, u"", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr, nullptr); }
    void Make(CButton& button, DWORD style) {
        ASSERT_TRUE(button.Create(u"back", WS_CHILD | WS_VISIBLE | style, CRect(10, 10, 50, 40), &parent, 1013));
        Pump();
    }
    POINT Outside() const { return ScreenPoint(parent.m_hWnd, 150, 80); }

    CClickCounter parent;
};

TEST_F(ButtonTest, PressAndReleaseOverTheButtonClickOnceAndAReleaseOutsideDoesNot) {
    for (DWORD style : {BS_PUSHBUTTON, BS_OWNERDRAW}) {
        SCOPED_TRACE(style);
        CRecordingButton button;
        Make(button, style);
        parent.m_nClicks = 0;
        const POINT over = CenterOf(button.m_hWnd);

        backend.Press(over);
        Pump();
        EXPECT_EQ(button.GetState() & BST_PUSHED, BST_PUSHED);
        EXPECT_EQ(::GetCapture(), button.m_hWnd);
        backend.Release(over);
        Pump();
        EXPECT_EQ(parent.m_nClicks, 1);
        EXPECT_EQ(button.GetState() & BST_PUSHED, 0u);

        backend.Press(over);
        Pump();
        backend.MovePointer(Outside());
        Pump();
        EXPECT_EQ(button.GetState() & BST_PUSHED, 0u) << "dragged off, the button pops up";
        backend.Release(Outside());
        Pump();
        EXPECT_EQ(parent.m_nClicks, 1) << "released outside: no click";
        EXPECT_EQ(::GetCapture(), nullptr);
        button.DestroyWindow();
    }
}

TEST_F(ButtonTest, AnOwnerDrawnButtonIsDrawnSelectedWhilePressed) {
    CRecordingButton button;
    Make(button, BS_OWNERDRAW);
    button.m_states.clear();
    const POINT over = CenterOf(button.m_hWnd);
    backend.Press(over);
    Pump();
    ASSERT_FALSE(button.m_states.empty());
    EXPECT_EQ(button.m_states.back() & ODS_SELECTED, ODS_SELECTED);
    backend.Release(over);
    Pump();
    EXPECT_EQ(button.m_states.back() & ODS_SELECTED, 0u);

    button.SetState(TRUE);
    Pump();
    EXPECT_EQ(button.m_states.back() & ODS_SELECTED, ODS_SELECTED) << "BM_SETSTATE shows it pressed too";
    button.SetState(FALSE);
    Pump();
    EXPECT_EQ(button.m_states.back() & ODS_SELECTED, 0u);
}

TEST_F(ButtonTest, ADoubleClickOnAnOwnerDrawnButtonIsReportedAsSuchOrAsASecondPress) {
    {
        CRecordingButton button;
        Make(button, BS_OWNERDRAW);
        backend.DoubleClick(CenterOf(button.m_hWnd));
        Pump();
        EXPECT_EQ(parent.m_nClicks, 1);
        EXPECT_EQ(parent.m_nDoubleClicks, 1);
    }
    parent.m_nClicks = parent.m_nDoubleClicks = 0;
    CDoubleClickAsPress button;
    Make(button, BS_OWNERDRAW);
    backend.DoubleClick(CenterOf(button.m_hWnd));
    Pump();
    EXPECT_EQ(parent.m_nClicks, 2);
    EXPECT_EQ(parent.m_nDoubleClicks, 0);
}

TEST_F(ButtonTest, APlainButtonDrawsItsFaceAndAnOwnerDrawnOneLeavesItToTheOwner) {
    CButton plain;
    Make(plain, BS_PUSHBUTTON);
    EXPECT_EQ(PixelOf(plain.m_hWnd, 5, 5), RGB(240, 240, 240));
    EXPECT_EQ(plain.SendMessage(WM_GETDLGCODE) & DLGC_UNDEFPUSHBUTTON, DLGC_UNDEFPUSHBUTTON);
}

}  // namespace
}  // namespace qx::fw::test
