// Dialogs from templates: the order of creation (OnCreate before the controls, OnInitDialog
// after, data exchange binding controls by subclassing), the controls as the template gives
// them, Enter and Escape as OK and cancel, and the ends of a modal run.

#include "FrameworkTest.h"

#include <string>
#include <vector>

namespace qx::fw::test {
namespace {

class CTrackedEdit : public CEdit {
public:
    std::vector<std::string>* m_pLog = nullptr;
    void PreSubclassWindow() override {
        m_pLog->push_back("PreSubclassWindow");
        CEdit::PreSubclassWindow();
    }
};

class CTestDialog : public CDialog {
public:
    CTestDialog() { m_edit.m_pLog = &m_log; }
    std::vector<std::string> m_log;
    CTrackedEdit m_edit;
    CButton m_button;
    bool m_bOwnKeys = false;  // OnOK and OnCancel only record

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) {
        m_log.push_back(GetDlgItem(kTestEditId) ? "OnCreate with controls" : "OnCreate");
        return CDialog::OnCreate(lpCreateStruct);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_log.push_back(m_edit.m_hWnd == ::GetDlgItem(m_hWnd, kTestEditId) ? "OnInitDialog bound" : "OnInitDialog");
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, kTestEditId, m_edit);
        DDX_Control(pDX, kTestButtonId, m_button);
    }
    void OnOK() override {
        m_log.push_back("OnOK");
        if (!m_bOwnKeys) CDialog::OnOK();
    }
    void OnCancel() override {
        m_log.push_back("OnCancel");
        if (!m_bOwnKeys) CDialog::OnCancel();
    }
    void OnGo() { m_log.push_back("OnGo"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDialog, CDialog)
    ON_WM_CREATE()
    ON_BN_CLICKED(kTestButtonId, &CTestDialog::OnGo)
END_MESSAGE_MAP()

// Commands 1 and 2 ignored, as the browser's own dialogs do.
class CIgnoringDialog : public CDialogEx {
protected:
    void OnIgnore() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIgnoringDialog, CDialogEx)
    ON_COMMAND(IDOK, &CIgnoringDialog::OnIgnore)
    ON_COMMAND(IDCANCEL, &CIgnoringDialog::OnIgnore)
END_MESSAGE_MAP()

class DialogTest : public FrameworkTest {
protected:
    void Keys(std::initializer_list<UINT> keys) {
        for (UINT key : keys) backend.Key(key, key == VK_RETURN ? u'\r' : key == VK_ESCAPE ? 0x1B : 0);
    }
};

TEST_F(DialogTest, OnCreateRunsBeforeTheControlsAndOnInitDialogAfterThemWithDataBound) {
    CTestDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(kTestDialog));
    EXPECT_EQ(dlg.m_log, (std::vector<std::string>{"OnCreate", "PreSubclassWindow", "OnInitDialog bound"}));
    EXPECT_EQ(CWnd::FromHandlePermanent(dlg.m_edit.m_hWnd), &dlg.m_edit);
    EXPECT_EQ(dlg.m_edit.GetWindowText(), u"typed");
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dlg.m_hWnd, IDOK)) << "the first tab stop takes the focus";
}

TEST_F(DialogTest, TheTemplatesControlsGetTheirIdsClassesStylesTextsAndPixelRectangles) {
    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(kTestDialog));
    RECT rc;
    dlg.GetClientRect(&rc);
    EXPECT_EQ(rc, (RECT{0, 0, 300, 163})) << "200 x 100 dialog units at 6 x 13 pixels per 4 x 8";
    for (const DialogItemTemplate& item : kTestItems) {
        SCOPED_TRACE(item.nID);
        HWND ctrl = ::GetDlgItem(dlg.m_hWnd, static_cast<int>(item.nID));
        ASSERT_NE(ctrl, nullptr);
        EXPECT_EQ(ClassNameOf(ctrl), item.lpszClass);
        EXPECT_EQ(static_cast<DWORD>(::GetWindowLongW(ctrl, GWL_STYLE)), item.dwStyle | WS_CHILD);
        EXPECT_EQ(static_cast<DWORD>(::GetWindowLongW(ctrl, GWL_EXSTYLE)), item.dwExStyle);
        EXPECT_EQ(CWnd::FromHandle(ctrl)->GetWindowText(), item.lpszCaption);
        EXPECT_NE(::SendMessageW(ctrl, WM_GETFONT, 0, 0), 0) << "controls draw with the dialog's font";
    }
    CRect edit;
    ::GetWindowRect(::GetDlgItem(dlg.m_hWnd, kTestEditId), &edit);
    dlg.ScreenToClient(&edit);
    EXPECT_EQ(edit, CRect(15, 16, 195, 39));
}

TEST_F(DialogTest, EnterAndEscapeBecomeOkAndCancelAndADialogThatKeepsThemStaysOpen) {
    CTestDialog dlg;
    dlg.m_bOwnKeys = true;
    ASSERT_TRUE(dlg.CreateIndirect(kTestDialog));
    dlg.m_edit.SetFocus();
    dlg.m_log.clear();
    Keys({VK_RETURN, VK_ESCAPE});
    Pump(dlg.m_hWnd);
    EXPECT_EQ(dlg.m_log, (std::vector<std::string>{"OnOK", "OnCancel"}));
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    EXPECT_EQ(dlg.m_edit.GetWindowText(), u"typed") << "the keys never reached the edit as text";

    dlg.m_button.SetFocus();
    Keys({VK_RETURN});
    Pump(dlg.m_hWnd);
    EXPECT_EQ(dlg.m_log.back(), "OnGo") << "Enter on a push button presses that button";
}

TEST_F(DialogTest, AModelessDialogHidesOnOkAndAClosedOneTurnsTheCloseIntoCancel) {
    CTestDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(kTestDialog));
    dlg.ShowWindow(SW_SHOW);
    dlg.SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd)) << "a close request does not destroy a dialog";
    Pump(dlg.m_hWnd);
    EXPECT_EQ(dlg.m_log.back(), "OnCancel");
    EXPECT_FALSE(dlg.IsWindowVisible());
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
}

TEST_F(DialogTest, DoModalEndsOnEndDialogWithItsResultAndReenablesTheOwner) {
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, u"owner", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr));
    CTestDialog dlg;
    dlg.InitModalIndirect(kTestDialog, &owner);
    bool ownerDisabled = false;
    bool shown = false;
    backend.AddStep([&] {
        ownerDisabled = !owner.IsWindowEnabled();
        shown = dlg.IsWindowVisible() != FALSE;
        Keys({VK_ESCAPE});
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(dlg.m_hWnd, nullptr) << "the window is gone when DoModal returns";
    EXPECT_EQ(backend.ScriptEnds(), 0);
}

TEST_F(DialogTest, AModalDialogThatIgnoresEnterAndEscapeRunsUntilEndDialog) {
    CIgnoringDialog dlg;
    dlg.InitModalIndirect(kTestDialog);
    bool stillOpen = false;
    backend.AddStep([&] { Keys({VK_RETURN, VK_ESCAPE}); });
    backend.AddStep([&] {
        stillOpen = ::IsWindow(dlg.m_hWnd) && dlg.IsWindowVisible();
        ::SendMessageW(dlg.m_hWnd, WM_CLOSE, 0, 0);
    });
    backend.AddStep([&] {
        stillOpen = stillOpen && ::IsWindow(dlg.m_hWnd);
        dlg.EndDialog(5);
    });
    EXPECT_EQ(dlg.DoModal(), 5);
    EXPECT_TRUE(stillOpen);
}

TEST_F(DialogTest, DestroyingTheThreadsMainWindowEndsEveryModalRun) {
    CWinApp app(u"test");
    CIgnoringDialog outer;
    CTestDialog inner;
    app.m_pMainWnd = &outer;
    outer.InitModalIndirect(kTestDialog);
    inner.InitModalIndirect(kTestDialog, &outer);
    INT_PTR innerResult = 0;
    bool innerRan = false;
    backend.AddStep([&] {
        EXPECT_EQ(qx::win::GetThreadMainWindow(), outer.m_hWnd);
        backend.AddStep([&] { outer.DestroyWindow(); });
        innerResult = inner.DoModal();
        innerRan = true;
    });
    EXPECT_EQ(outer.DoModal(), -1);
    EXPECT_TRUE(innerRan);
    EXPECT_EQ(innerResult, -1);
    EXPECT_EQ(app.m_pMainWnd, nullptr) << "cleared when its window was destroyed";
    EXPECT_EQ(backend.ScriptEnds(), 0) << "ended by the main window, not by the end of the script";
}

}  // namespace
}  // namespace qx::fw::test
