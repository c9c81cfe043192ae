// The main window's background is transparent: wherever it has no button or text, the screen
// shows the skin of the background window beneath it, whatever the skin's background colour.

#include "system/mainframe/MainFrameTest.h"

#include <vector>

#include "platform/win/Composition.h"

namespace qx::systest {
namespace {

class WholeBackgroundKeyTest : public MainFrameTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(WholeBackgroundKeyTest, EveryBackgroundPixelOfTheMainWindowShowsTheSkin) {
    WriteSkin("skin/Default/", {skin::kTitle, GetParam()});
    SetSkinButton("BTN_TITLE_CLOSE", 44, 4, "R");
    SetSkinButton("BTN_BACK", 8, 39, "L");
    SetSkinButton("BTN_TASK_ICO", 6, 116, "L");
    Then([&] {
        CQXMainFrame& frame = *MainFrame();
        // The buttons and the two boxes with text show something of their own; the empty
        // address and search boxes are painted with the window's background brush.
        std::vector<RECT> own;
        for (CWnd* control : {static_cast<CWnd*>(&frame.m_btnClose), static_cast<CWnd*>(&frame.m_btnMax),
                              static_cast<CWnd*>(&frame.m_btnBack), static_cast<CWnd*>(&frame.m_btnTasks),
                              static_cast<CWnd*>(&frame.m_editTitle), static_cast<CWnd*>(&frame.m_editStatus)}) {
            own.push_back(ControlRect(control->GetSafeHwnd()));
        }
        auto isOwn = [&own](int x, int y) {
            for (const RECT& rc : own) {
                if (x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom) return true;
            }
            return false;
        };
        const gfx::SurfacePtr screen = win::ComposeScreenImage();
        const gfx::SurfacePtr skinImage = win::ComposeWindowImage(Background()->GetSafeHwnd());
        const RECT main = WindowRect(MainFrame());
        ASSERT_EQ(WindowRect(Background()), main);
        int nDiffering = 0;
        for (int y = 0; y < main.bottom - main.top; ++y) {
            for (int x = 0; x < main.right - main.left; ++x) {
                if (isOwn(x, y) || screen->Pixel(main.left + x, main.top + y) == skinImage->Pixel(x, y)) continue;
                if (++nDiffering <= 3) ADD_FAILURE() << "the main window shows itself at (" << x << ", " << y << ")";
            }
        }
        EXPECT_EQ(nDiffering, 0);
        // The buttons do show: the key takes only the background colour.
        const RECT back = ControlRect(frame.m_btnBack.GetSafeHwnd());
        EXPECT_EQ(screen->Pixel(main.left + back.left + 2, main.top + back.top + 2), chrome::kButton);
    });
    EXPECT_EQ(Run(), 0);
}

// Equal red and blue, and a colour whose red and blue differ.
INSTANTIATE_TEST_SUITE_P(SkinColors, WholeBackgroundKeyTest, ::testing::Values("FF00FF", "20C040"));

}  // namespace
}  // namespace qx::systest
