// The skin's edit box: Enter writes its id into the parent's text (the mailbox), losing the
// focus empties it, and once it has a brush it paints in its own colours.

#include "system/SkinControlTest.h"

namespace qx::systest {
namespace {

using EditTest = SkinControlTest;

CString Mailbox(CWnd& wnd) { return wnd.GetWindowText(); }

TEST_F(EditTest, EnterWritesTheEnterIdIntoTheMailboxAndLosingTheFocusEmptiesIt) {
    struct Case {
        int nEnterId;
        const char16_t* mailbox;
    };
    for (const Case c : {Case{1021, u"1021"}, Case{0, u"0"}, Case{-5, u"-5"}}) {
        SCOPED_TRACE(c.nEnterId);
        dlg.m_editAddress.m_nEnterId = c.nEnterId;
        dlg.m_editAddress.SetFocus();
        backend.Key(VK_RETURN, u'\r');
        Pump();
        EXPECT_EQ(Mailbox(dlg), c.mailbox);
        dlg.m_editSearch.SetFocus();
        EXPECT_EQ(Mailbox(dlg), u"");
    }
    // Enter is not swallowed: the dialog sees it too.
    EXPECT_EQ(dlg.m_log, (std::vector<std::string>{"OK", "OK", "OK"}));
}

TEST_F(EditTest, LosingTheFocusEmptiesTheMailboxEvenWithoutEnter) {
    dlg.m_editSearch.SetFocus();
    dlg.SetWindowText(u"ShowCloseBtn3");
    dlg.m_editAddress.SetFocus();
    EXPECT_EQ(Mailbox(dlg), u"");
}

TEST_F(EditTest, OtherKeysLeaveTheMailboxAlone) {
    dlg.m_editAddress.m_nEnterId = 1021;
    dlg.m_editAddress.SetFocus();
    dlg.SetWindowText(u"3");
    backend.Key(VK_ESCAPE, 0x1B);
    backend.TypeText(u"abc");
    Pump();
    EXPECT_EQ(Mailbox(dlg), u"3");
    EXPECT_EQ(dlg.m_editAddress.GetWindowText(), u"abc");
}

TEST_F(EditTest, WithABrushTheEditPaintsInItsOwnColoursWithoutOneInTheParents) {
    HWND address = dlg.m_editAddress.GetSafeHwnd();
    HWND search = dlg.m_editSearch.GetSafeHwnd();
    dlg.m_editAddress.SetColors(RGB(0x0B, 0x48, 0x7F), RGB(0x10, 0x20, 0x30));
    dlg.m_editAddress.Invalidate();
    dlg.m_editSearch.Invalidate();
    Pump();
    RECT rc;
    ::GetClientRect(address, &rc);
    EXPECT_EQ(PixelOf(address, rc.right - 3, rc.bottom / 2), 0xFF102030u);
    EXPECT_NE(PixelOf(search, rc.right - 3, rc.bottom / 2), 0xFF102030u);

    // The reflected control colour answers the brush and sets the context's colours.
    HDC dc = ::GetDC(address);
    const LRESULT brush = ::SendMessageW(dlg.GetSafeHwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(address));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), static_cast<HBRUSH>(dlg.m_editAddress.m_brBack));
    EXPECT_EQ(::GetTextColor(dc), RGB(0x0B, 0x48, 0x7F));
    EXPECT_EQ(::GetBkColor(dc), RGB(0x10, 0x20, 0x30));
    ::ReleaseDC(address, dc);

    // New colours replace the brush.
    const HGDIOBJ old = dlg.m_editAddress.m_brBack.GetSafeHandle();
    dlg.m_editAddress.SetColors(0, RGB(1, 2, 3));
    EXPECT_NE(dlg.m_editAddress.m_brBack.GetSafeHandle(), old);
    EXPECT_EQ(::GetObjectW(old, 0, nullptr), 0) << "the old brush is deleted";
}

}  // namespace
}  // namespace qx::systest
