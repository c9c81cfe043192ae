// Edit boxes: text, selection, typing and the editing keys, the change notification, and the
// colours asked of the parent.

#include "FrameworkTest.h"

namespace qx::fw::test {
namespace {

class CEditParent : public CWnd {
public:
    int m_nChanges = 0;
    int m_nMaxText = 0;

protected:
    void OnChange() { ++m_nChanges; }
    void OnMaxText() { ++m_nMaxText; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEditParent, CWnd)
    ON_EN_CHANGE(1021, &CEditParent::OnChange)
    ON_CONTROL(EN_MAXTEXT, 1021, &CEditParent::OnMaxText)
END_MESSAGE_MAP()

class EditTest : public FrameworkTest {
protected:
    EditTest() {
        parent.CreateEx(0, nullptr, u"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, nullptr, nullptr);
        edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(10, 10, 210, 34), &parent, 1021);
        Pump();
    }
    std::pair<int, int> Sel() const {
        int start = -2, end = -2;
        edit.GetSel(start, end);
        return {start, end};
    }

    CEditParent parent;
    CEdit edit;
};

TEST_F(EditTest, SelectionFollowsTheEditRulesAndGetSelPacksBothEnds) {
    struct Case {
        int start, end;
        std::pair<int, int> sel;
    };
    const Case cases[] = {
        {0, -1, {0, 11}},   // all
        {3, 5, {3, 5}},
        {5, 3, {3, 5}},     // reversed: the lower end first
        {20, 30, {11, 11}}, // past the end
        {2, 100, {2, 11}},
        {-1, 4, {3, 3}},    // -1 drops the selection and keeps the caret (left at 3 by the case before)
    };
    edit.SetWindowText(u"hello world");
    edit.SetSel(8, 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << "," << c.end);
        if (c.start == -1) edit.SetSel(5, 3);
        edit.SetSel(c.start, c.end);
        EXPECT_EQ(Sel(), c.sel);
    }
    edit.SetSel(2, 7);
    EXPECT_EQ(edit.GetSel(), static_cast<DWORD>(MAKELONG(2, 7)));
}

TEST_F(EditTest, TypingReplacesTheSelectionAndEveryChangeIsAnnounced) {
    edit.SetWindowText(u"hello world");
    EXPECT_EQ(parent.m_nChanges, 1) << "setting the text is a change too";
    EXPECT_EQ(Sel(), (std::pair{0, 0})) << "the caret goes to the start";
    EXPECT_FALSE(edit.GetModify());
    edit.SetFocus();
    edit.SetSel(0, 5);
    backend.TypeText(u"J");
    Pump();
    EXPECT_EQ(edit.GetWindowText(), u"J world");
    EXPECT_EQ(Sel(), (std::pair{1, 1}));
    EXPECT_EQ(parent.m_nChanges, 2);
    EXPECT_TRUE(edit.GetModify());

    backend.Key(VK_RETURN, u'\r');
    backend.Key(VK_ESCAPE, 0x1B);
    backend.Key(VK_TAB, u'\t');
    Pump();
    EXPECT_EQ(edit.GetWindowText(), u"J world") << "Enter, Escape and Tab are not text";
    EXPECT_EQ(parent.m_nChanges, 2);
}

TEST_F(EditTest, EditingKeysMoveTheCaretAndDelete) {
    edit.SetWindowText(u"abcdef");
    edit.SetFocus();
    struct Step {
        UINT key;
        char16_t character;
        bool shift;
        const char16_t* text;
        std::pair<int, int> sel;
    };
    const Step steps[] = {
        {VK_END, 0, false, u"abcdef", {6, 6}},
        {VK_BACK, u'\b', false, u"abcde", {5, 5}},
        {VK_HOME, 0, false, u"abcde", {0, 0}},
        {VK_DELETE, 0, false, u"bcde", {0, 0}},
        {VK_RIGHT, 0, false, u"bcde", {1, 1}},
        {VK_RIGHT, 0, true, u"bcde", {1, 2}},
        {VK_END, 0, true, u"bcde", {1, 4}},
        {VK_BACK, u'\b', false, u"b", {1, 1}},
        {VK_LEFT, 0, false, u"b", {0, 0}},
        {VK_BACK, u'\b', false, u"b", {0, 0}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.key);
        if (s.shift) backend.KeyDown(VK_SHIFT);
        backend.Key(s.key, s.character);
        if (s.shift) backend.KeyUp(VK_SHIFT);
        Pump();
        EXPECT_EQ(edit.GetWindowText(), s.text);
        EXPECT_EQ(Sel(), s.sel);
    }
}

TEST_F(EditTest, TheLimitCutsTypedTextAndANonScrollingBoxTakesOnlyWhatFits) {
    edit.SetFocus();
    edit.SetLimitText(3);
    backend.TypeText(u"abcd");
    Pump();
    EXPECT_EQ(edit.GetWindowText(), u"abc");
    EXPECT_EQ(parent.m_nMaxText, 1);

    CEdit narrow;
    ASSERT_TRUE(narrow.Create(WS_CHILD | WS_VISIBLE, CRect(10, 50, 50, 70), &parent, 1032));
    narrow.SetFocus();
    backend.TypeText(u"0123456789012345678901234567890123456789");
    Pump();
    const CString typed = narrow.GetWindowText();
    EXPECT_GT(typed.size(), 0u);
    EXPECT_LT(typed.size(), 20u) << "text does not grow beyond a box without ES_AUTOHSCROLL";
    narrow.SetWindowText(u"0123456789012345678901234567890123456789");
    EXPECT_EQ(narrow.GetWindowTextLength(), 40) << "setting the text is not limited";
}

TEST_F(EditTest, AClickPlacesTheCaretAndTakesTheFocus) {
    edit.SetWindowText(u"abc");
    backend.Click(ScreenPoint(edit.m_hWnd, 190, 12));
    Pump();
    EXPECT_EQ(::GetFocus(), edit.m_hWnd);
    EXPECT_EQ(Sel(), (std::pair{3, 3}));
    backend.Click(ScreenPoint(edit.m_hWnd, 1, 12));
    Pump();
    EXPECT_EQ(Sel(), (std::pair{0, 0}));
}

TEST_F(EditTest, TheSelectionShowsInTheHighlightColourOnlyWithTheFocus) {
    edit.SetWindowText(u"          ");
    edit.SetSel(0, -1);
    edit.UpdateWindow();
    EXPECT_EQ(PixelOf(edit.m_hWnd, 10, 12), RGB(255, 255, 255)) << "without the focus the selection is hidden";
    edit.SetFocus();
    edit.UpdateWindow();
    EXPECT_EQ(PixelOf(edit.m_hWnd, 10, 12), RGB(0, 120, 215));
}

}  // namespace
}  // namespace qx::fw::test
