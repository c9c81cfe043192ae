// The standard error report: an exception that escapes a handler is shown in a message box,
// captioned with the application's name, and the program goes on with the next message.

#include "FrameworkTest.h"

#include <stdexcept>

namespace qx::fw::test {
namespace {

class CThrowingWnd : public CWnd {
public:
    int m_nHandled = 0;

protected:
    void OnRefresh() { throw COleDispatchException(DISP_E_EXCEPTION, u"The page could not be refreshed."); }
    void OnLibraryFault() { throw std::runtime_error("disk full"); }
    void OnForeignFault() { throw 42; }
    void OnNext() { ++m_nHandled; }
    int OnCreate(LPCREATESTRUCT) { return m_bFailCreate ? (throw std::runtime_error("no skin"), 0) : 0; }
    DECLARE_MESSAGE_MAP()

public:
    bool m_bFailCreate = false;
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
    ON_WM_CREATE()
    ON_COMMAND(1016, &CThrowingWnd::OnRefresh)
    ON_COMMAND(1, &CThrowingWnd::OnLibraryFault)
    ON_COMMAND(2, &CThrowingWnd::OnForeignFault)
    ON_COMMAND(3, &CThrowingWnd::OnNext)
END_MESSAGE_MAP()

class ErrorReportTest : public FrameworkTest {
protected:
    CWinApp app{u"QX Browser"};
};

TEST_F(ErrorReportTest, AnExceptionFromACommandIsShownAndTheLoopGoesOn) {
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wnd.PostMessage(WM_COMMAND, 1016);
    wnd.PostMessage(WM_COMMAND, 1);
    wnd.PostMessage(WM_COMMAND, 2);
    wnd.PostMessage(WM_COMMAND, 3);
    Pump();
    const auto& boxes = backend.MessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, u"The page could not be refreshed.");
    EXPECT_EQ(boxes[0].caption, u"QX Browser");
    EXPECT_EQ(boxes[1].text, u"disk full");
    EXPECT_FALSE(boxes[2].text.empty());
    EXPECT_EQ(wnd.m_nHandled, 1) << "the message after the failures was handled";
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd));
}

TEST_F(ErrorReportTest, AnExceptionDuringCreationFailsTheCreation) {
    CThrowingWnd wnd;
    wnd.m_bFailCreate = true;
    EXPECT_FALSE(wnd.CreateEx(0, nullptr, u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    ASSERT_EQ(backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(backend.MessageBoxes()[0].text, u"no skin");
}

TEST_F(ErrorReportTest, AfxMessageBoxUsesTheApplicationsNameAndReturnsTheAnswer) {
    backend.SetMessageBoxAnswerer([](const qx::backend::ShownMessageBox&) { return IDCANCEL; });
    EXPECT_EQ(AfxMessageBox(u"还没有实现", MB_OKCANCEL), IDCANCEL);
    ASSERT_EQ(backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(backend.MessageBoxes()[0].text, u"还没有实现");
    EXPECT_EQ(backend.MessageBoxes()[0].caption, u"QX Browser");
    EXPECT_EQ(backend.MessageBoxes()[0].type, static_cast<UINT>(MB_OKCANCEL));
}

}  // namespace
}  // namespace qx::fw::test
