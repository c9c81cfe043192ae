// Message tables: each message reaches its named handler with its parameters unpacked; the
// class's own table is searched before its base's; commands match by id, code and range.

#include "FrameworkTest.h"

#include <algorithm>
#include <string>
#include <vector>

namespace qx::fw::test {
namespace {

struct Call {
    std::string name;
    std::vector<long long> args;
    friend bool operator==(const Call&, const Call&) = default;
};
std::ostream& operator<<(std::ostream& os, const Call& c) {
    os << c.name << "(";
    for (long long a : c.args) os << a << ",";
    return os << ")";
}

class CBaseRecorder : public CWnd {
public:
    std::vector<Call> calls;

protected:
    void OnSize(UINT nType, int cx, int cy) { calls.push_back({"Base::OnSize", {nType, cx, cy}}); }
    void OnMove(int x, int y) { calls.push_back({"Base::OnMove", {x, y}}); }
    void OnBaseCommand() { calls.push_back({"Base::OnCommand", {}}); }
    void OnBaseFallback() { calls.push_back({"Base::OnFallback", {}}); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseRecorder, CWnd)
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_COMMAND(100, &CBaseRecorder::OnBaseCommand)
    ON_COMMAND(101, &CBaseRecorder::OnBaseCommand)
    ON_COMMAND(102, &CBaseRecorder::OnBaseFallback)
END_MESSAGE_MAP()

class CRecorder : public CBaseRecorder {
protected:
    void OnSize(UINT nType, int cx, int cy) { calls.push_back({"OnSize", {nType, cx, cy}}); }
    void OnLButtonDown(UINT nFlags, CPoint point) { calls.push_back({"OnLButtonDown", {nFlags, point.x, point.y}}); }
    void OnLButtonDblClk(UINT nFlags, CPoint point) { calls.push_back({"OnLButtonDblClk", {nFlags, point.x, point.y}}); }
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { calls.push_back({"OnKeyDown", {nChar, nRepCnt, nFlags}}); }
    void OnTimer(UINT_PTR nIDEvent) { calls.push_back({"OnTimer", {static_cast<long long>(nIDEvent)}}); }
    void OnMouseLeave() { calls.push_back({"OnMouseLeave", {}}); }
    void OnSysCommand(UINT nID, LPARAM lParam) { calls.push_back({"OnSysCommand", {nID, lParam}}); }
    void OnGetMinMaxInfo(MINMAXINFO* mmi) {
        mmi->ptMinTrackSize = {600, 400};
        calls.push_back({"OnGetMinMaxInfo", {}});
    }
    BOOL OnEraseBkgnd(CDC* pDC) {
        calls.push_back({"OnEraseBkgnd", {pDC && pDC->m_hDC ? 1 : 0}});
        return TRUE;
    }
    void OnDerivedCommand() { calls.push_back({"OnCommand101", {}}); }
    BOOL OnDeclinedCommand(UINT nID) {
        calls.push_back({"OnDeclined", {nID}});
        return FALSE;
    }
    void OnToolRange(UINT nID) { calls.push_back({"OnToolRange", {nID}}); }
    void OnEditChange() { calls.push_back({"OnEditChange", {}}); }
    void OnPageEvent(NMHDR* pNMHDR, LRESULT* pResult) {
        calls.push_back({"OnPageEvent", {pNMHDR->code, static_cast<long long>(pNMHDR->idFrom)}});
        *pResult = 7;
    }
    void OnPageCodes(NMHDR* pNMHDR, LRESULT*) { calls.push_back({"OnPageCodes", {pNMHDR->code}}); }
    LRESULT OnTrayCallback(WPARAM wParam, LPARAM lParam) {
        calls.push_back({"OnTrayCallback", {static_cast<long long>(wParam), lParam}});
        return 1;
    }
    LRESULT OnHotKeyCode(WPARAM wParam, LPARAM) {
        calls.push_back({"OnHotKeyCode", {static_cast<long long>(wParam)}});
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecorder, CBaseRecorder)
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_WM_TIMER()
    ON_WM_MOUSELEAVE()
    ON_WM_SYSCOMMAND()
    ON_WM_GETMINMAXINFO()
    ON_WM_ERASEBKGND()
    ON_COMMAND(101, &CRecorder::OnDerivedCommand)
    ON_COMMAND_EX(102, &CRecorder::OnDeclinedCommand)
    ON_COMMAND_RANGE(1005, 1012, &CRecorder::OnToolRange)
    ON_EN_CHANGE(1024, &CRecorder::OnEditChange)
    ON_NOTIFY(0x15, 1039, &CRecorder::OnPageEvent)
    ON_NOTIFY_CODE_RANGE(0x20, 0x2F, 1039, &CRecorder::OnPageCodes)
    ON_MESSAGE(0x401, &CRecorder::OnTrayCallback)
    ON_MESSAGE(WM_HOTKEY, &CRecorder::OnHotKeyCode)
END_MESSAGE_MAP()

NMHDR g_progress{nullptr, 1039, 0x15};
NMHDR g_otherControl{nullptr, 1040, 0x15};
NMHDR g_inRange{nullptr, 1039, 0x2A};
NMHDR g_outOfRange{nullptr, 1039, 0x30};

LPARAM Nm(NMHDR& hdr) { return reinterpret_cast<LPARAM>(&hdr); }

struct Case {
    const char* what;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::vector<Call> expected;
    LRESULT result;
};

class MessageMapTest : public FrameworkTest {};

TEST_F(MessageMapTest, EachMessageReachesItsTypedHandlerWithUnpackedParameters) {
    const Case cases[] = {
        {"size: the class's own entry hides the base's", WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(800, 600),
         {{"OnSize", {2, 800, 600}}}, 0},
        {"move: only in the base table", WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(-20), 30), {{"Base::OnMove", {-20, 30}}}, 0},
        {"mouse: flags and a signed point", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-3), 7),
         {{"OnLButtonDown", {MK_LBUTTON, -3, 7}}}, 0},
        {"double click", WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 6), {{"OnLButtonDblClk", {0, 5, 6}}}, 0},
        {"key: repeat count and flags", WM_KEYDOWN, VK_RETURN, MAKELPARAM(1, 0x1C), {{"OnKeyDown", {VK_RETURN, 1, 0x1C}}}, 0},
        {"timer id", WM_TIMER, 1331, 0, {{"OnTimer", {1331}}}, 0},
        {"mouse leave", WM_MOUSELEAVE, 0, 0, {{"OnMouseLeave", {}}}, 0},
        {"system command", WM_SYSCOMMAND, 0xF012, 0, {{"OnSysCommand", {0xF012, 0}}}, 0},
        {"erase gets a device context and answers", WM_ERASEBKGND, 0x1234, 0, {{"OnEraseBkgnd", {1}}}, TRUE},
        {"command in the base table", WM_COMMAND, 100, 0, {{"Base::OnCommand", {}}}, 1},
        {"command the class binds again", WM_COMMAND, 101, 0, {{"OnCommand101", {}}}, 1},
        {"an _EX handler that declines passes to the base", WM_COMMAND, 102, 0,
         {{"OnDeclined", {102}}, {"Base::OnFallback", {}}}, 1},
        {"a menu command with code 1 is still a command", WM_COMMAND, MAKEWPARAM(100, 1), 0, {{"Base::OnCommand", {}}}, 1},
        {"range, first id", WM_COMMAND, 1005, 0, {{"OnToolRange", {1005}}}, 1},
        {"range, last id", WM_COMMAND, 1012, 0, {{"OnToolRange", {1012}}}, 1},
        {"outside the range", WM_COMMAND, 1013, 0, {}, 0},
        {"edit change by code", WM_COMMAND, MAKEWPARAM(1024, EN_CHANGE), 0x77, {{"OnEditChange", {}}}, 1},
        {"a code nothing binds", WM_COMMAND, MAKEWPARAM(1024, EN_KILLFOCUS), 0x77, {}, 0},
        {"notify by code and id, with its answer", WM_NOTIFY, 1039, Nm(g_progress), {{"OnPageEvent", {0x15, 1039}}}, 7},
        {"notify from another control", WM_NOTIFY, 1040, Nm(g_otherControl), {}, 0},
        {"notify code range", WM_NOTIFY, 1039, Nm(g_inRange), {{"OnPageCodes", {0x2A}}}, 0},
        {"notify code outside the range", WM_NOTIFY, 1039, Nm(g_outOfRange), {}, 0},
        {"raw message number", 0x401, 1025, 0x200, {{"OnTrayCallback", {1025, 0x200}}}, 1},
        {"hot key through ON_MESSAGE", WM_HOTKEY, 2013, 0, {{"OnHotKeyCode", {2013}}}, 0},
    };

    CRecorder wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, u"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        wnd.calls.clear();
        const LRESULT result = ::SendMessageW(wnd.m_hWnd, c.message, c.wParam, c.lParam);
        EXPECT_EQ(wnd.calls, c.expected);
        EXPECT_EQ(result, c.result);
    }
}

TEST_F(MessageMapTest, HandlersChangeTheMessageRecordAndUnboundMessagesGetTheDefault) {
    CRecorder wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, u"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    MINMAXINFO mmi;
    ::SendMessageW(wnd.m_hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    EXPECT_EQ(mmi.ptMinTrackSize, (POINT{600, 400}));

    wnd.SetWindowText(u"mailbox 1021");
    EXPECT_EQ(wnd.GetWindowText(), u"mailbox 1021");
    EXPECT_TRUE(wnd.IsKindOf(RUNTIME_CLASS(CWnd)));
}

TEST_F(MessageMapTest, CreationMessagesReachTheObjectBeforeCreateReturns) {
    CRecorder wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, u"", WS_POPUP, 0, 0, 120, 80, nullptr, nullptr));
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    const Call creationSize{"OnSize", {SIZE_RESTORED, 120, 80}};
    EXPECT_NE(std::find(wnd.calls.begin(), wnd.calls.end(), creationSize), wnd.calls.end())
        << "the WM_SIZE of creation reached the table";
}

}  // namespace
}  // namespace qx::fw::test
