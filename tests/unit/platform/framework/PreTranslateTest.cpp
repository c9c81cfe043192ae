// The pre-translation walk: a queued message is offered to PreTranslateMessage of its target and
// then of each window up the parent and owner chain to the loop's top window, until one takes
// it; a sent message goes straight to the window procedure.

#include "FrameworkTest.h"

#include <string>
#include <vector>

namespace qx::fw::test {
namespace {

class CFilterWnd : public CWnd {
public:
    CFilterWnd(std::vector<std::string>& log, std::string name) : m_log(log), m_name(std::move(name)) {}
    UINT m_takes = 0;          // the message this filter answers TRUE for
    bool m_throws = false;     // the filter fails like a command whose call failed

    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message != WM_CLOSE && pMsg->message != WM_USER) return FALSE;
        m_log.push_back(m_name + ".Pre");
        if (m_throws) throw COleDispatchException(DISP_E_EXCEPTION, u"navigation refused");
        return pMsg->message == m_takes;
    }

protected:
    void OnClose() {
        m_log.push_back(m_name + ".OnClose");
        Default();
    }
    LRESULT OnUser(WPARAM, LPARAM) {
        m_log.push_back(m_name + ".OnUser");
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    std::vector<std::string>& m_log;
    std::string m_name;
};

BEGIN_MESSAGE_MAP(CFilterWnd, CWnd)
    ON_WM_CLOSE()
    ON_MESSAGE(WM_USER, &CFilterWnd::OnUser)
END_MESSAGE_MAP()

class PreTranslateTest : public FrameworkTest {
protected:
    // root owns owner, which owns target; target has a child control.
    PreTranslateTest() {
        root.CreateEx(0, nullptr, u"root", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr);
        owner.CreateEx(0, nullptr, u"owner", WS_POPUP, 0, 0, 100, 100, root.m_hWnd, nullptr);
        target.CreateEx(0, nullptr, u"target", WS_POPUP, 0, 0, 50, 50, owner.m_hWnd, nullptr);
        child.CreateEx(0, nullptr, u"child", WS_CHILD, 0, 0, 10, 10, target.m_hWnd,
                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(7)));
        Pump();
        log.clear();
    }

    std::vector<std::string> log;
    CFilterWnd root{log, "root"};
    CFilterWnd owner{log, "owner"};
    CFilterWnd target{log, "target"};
    CFilterWnd child{log, "child"};
};

TEST_F(PreTranslateTest, PostedCloseWalksTargetAndOwnersWhileASentOneGoesToTheProcedure) {
    target.PostMessage(WM_CLOSE);
    Pump(root.m_hWnd);
    EXPECT_EQ(log, (std::vector<std::string>{"target.Pre", "owner.Pre", "root.Pre", "target.OnClose"}));
    EXPECT_FALSE(::IsWindow(child.m_hWnd)) << "the default close destroyed target and its child";
    EXPECT_EQ(target.m_hWnd, nullptr) << "the object let go of its destroyed window";

    log.clear();
    owner.SendMessage(WM_CLOSE);
    EXPECT_EQ(log, (std::vector<std::string>{"owner.OnClose"}));
}

TEST_F(PreTranslateTest, TheFirstFilterThatTakesTheMessageEndsTheWalkAndTheDispatch) {
    owner.m_takes = WM_CLOSE;
    target.PostMessage(WM_CLOSE);
    Pump(root.m_hWnd);
    EXPECT_EQ(log, (std::vector<std::string>{"target.Pre", "owner.Pre"}));
    EXPECT_TRUE(::IsWindow(target.m_hWnd));
}

TEST_F(PreTranslateTest, TheWalkGoesFromAChildThroughItsParentAndStopsAtTheLoopsTopWindow) {
    child.PostMessage(WM_USER);
    Pump(owner.m_hWnd);
    EXPECT_EQ(log, (std::vector<std::string>{"child.Pre", "target.Pre", "owner.Pre", "child.OnUser"}));
}

TEST_F(PreTranslateTest, AFilterThatFailsIsReportedAndTheLoopGoesOn) {
    target.m_throws = true;
    target.PostMessage(WM_USER);
    owner.PostMessage(WM_USER);
    Pump(root.m_hWnd);
    ASSERT_EQ(backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(backend.MessageBoxes()[0].text, u"navigation refused");
    EXPECT_EQ(log, (std::vector<std::string>{"target.Pre", "owner.Pre", "root.Pre", "owner.OnUser"}))
        << "the failed message counts as handled; the next one is dispatched";
}

}  // namespace
}  // namespace qx::fw::test
