// The skinned background window: where it opens, the skin it composes, and how it maximises,
// restores, keeps its minimum size and carries the main window along.

#include "system/BrowserTest.h"

#include <filesystem>

namespace qx::systest {
namespace {

struct StartRectCase {
    RECT workArea;
    RECT expected;
};

class StartRectTest : public BrowserTest, public ::testing::WithParamInterface<StartRectCase> {};

TEST_P(StartRectTest, TheWindowOpensAt85PercentOfTheWorkAreaCentredInABoxAtTheScreenOrigin) {
    const StartRectCase& c = GetParam();
    UseWorkArea(c.workArea, {0, 0, 2000, 1200});
    Then([&] {
        EXPECT_EQ(WindowRect(Background()), c.expected);
        EXPECT_EQ(WindowRect(MainFrame()), c.expected) << "the main window lies exactly over it";
    });
    EXPECT_EQ(Run(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    WorkAreas, StartRectTest,
    ::testing::Values(StartRectCase{{0, 0, 1920, 1040}, {144, 78, 144 + 1632, 78 + 884}},
                      StartRectCase{{0, 0, 1366, 728}, {102, 55, 102 + 1161, 55 + 618}},
                      // The work area's own corner is not added.
                      StartRectCase{{40, 20, 1040, 820}, {75, 60, 925, 740}}));

struct SkinPoint {
    const char* what;
    int x, y;
    std::uint32_t color;
};

// The window is 850 x 680; see the rectangles in TestSkin.cpp.
constexpr SkinPoint kSkinPoints[] = {
    {"title tile: marker column of the first tile", 8, 25, skin::kTitleMark},
    {"title tile: body", 9, 25, skin::kTitle},
    {"title tile: second tile", 18, 25, skin::kTitleMark},
    {"title: last tile starts", 838, 25, skin::kTitleMark},
    {"title: last tile cut at the right edge", 841, 29, skin::kTitle},
    {"project icon over the title bar", 10, 5, skin::kProject},
    {"title left end", 3, 20, skin::kTitleLeft},
    {"title right end", 845, 20, skin::kTitleRight},
    {"address bar", 50, 35, skin::kAddressBar},
    {"tab bar", 500, 85, skin::kTabBar},
    {"left tools bar", 20, 300, skin::kTools},
    {"tools bar ends above the status bar", 20, 659, skin::kTools},
    {"content", 400, 300, skin::kContent},
    {"status bar", 400, 670, skin::kState},
    {"project icon: the image's corner, not scaled", 25, 20, skin::kProject},
    {"left border over the bars", 0, 300, skin::kBorder},
    {"right border", 849, 300, skin::kBorder},
    {"top border", 400, 0, skin::kBorder},
    {"bottom border", 400, 679, skin::kBorder},
    {"left corner over the borders", 0, 0, skin::kCorner},
    {"left corner", 7, 7, skin::kCorner},
    {"right corner over the borders", 849, 0, skin::kCorner},
    {"address box left", 105, 50, skin::kBoxLeft},
    {"a rule-less anchor draws over the rectangle before it", 300, 50, skin::kBoxRight},
    {"... up to its right edge", 549, 50, skin::kBoxRight},
    {"a missing image draws nothing", 595, 50, skin::kAddressBar},
    {"an image that cannot be read draws nothing", 700, 50, skin::kAddressBar},
    {"search box right", 795, 50, skin::kBoxRight},
};

TEST_F(BrowserTest, TheComposedSkinTilesEachElementAtNaturalSizeInDrawingOrder) {
    Then([&] {
        ASSERT_EQ(WindowRect(Background()), kStartRect);
        for (const SkinPoint& p : kSkinPoints) {
            EXPECT_EQ(SkinPixel(p.x, p.y), p.color) << p.what << " at (" << p.x << ", " << p.y << ")";
        }
        // The same pixels on the screen: the main window over the skin lets it show through.
        for (const SkinPoint& p : kSkinPoints) {
            EXPECT_EQ(ScreenPixel(kStartRect.left + p.x, kStartRect.top + p.y), p.color) << "on the screen: " << p.what;
        }
        KeepSkinImageOnFailure("composed-skin");
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(BrowserTest, ASkinImageChangedOnDiskShowsAtTheNextRedraw) {
    Then([&] {
        ASSERT_EQ(SkinPixel(400, 85), skin::kTabBar);
        WriteFlatImage(Folder() + "skin/Default/tab_bar.png", 16, 30, 0xFF123456);
        std::filesystem::remove(Folder() + "skin/Default/content.png");
        Desktop().Configure(Background()->GetSafeHwnd(), {75, 60, 925, 741});
    });
    Then([&] {
        EXPECT_EQ(SkinPixel(400, 85), 0xFF123456u);
        EXPECT_EQ(SkinPixel(400, 300), 0u) << "a deleted image draws nothing any more";
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(BrowserTest, ADoubleClickInTheCaptionZoneMaximisesAndRestoresTheWindowPair) {
    UseWorkArea({40, 20, 1040, 820}, {0, 0, 1100, 900});
    // A point of the caption zone (above the title bar's height, 30) where the main window is
    // transparent, and one just below it.
    const POINT caption{kStartRect.left + 425, kStartRect.top + 29};
    const POINT below{kStartRect.left + 425, kStartRect.top + 30};
    auto doubleClick = [this](POINT at) {
        Then([this, at] { Desktop().Press(at); });
        Then([this, at] { Desktop().Release(at); });
        Then([this, at] { Desktop().Press(at); });
        Then([this, at] { Desktop().Release(at); });
    };

    doubleClick(below);
    Then([&] {
        EXPECT_FALSE(::IsZoomed(Background()->GetSafeHwnd())) << "below the caption zone nothing happens";
        EXPECT_EQ(WindowRect(Background()), kStartRect);
    });
    doubleClick(caption);
    Then([&] {
        EXPECT_TRUE(::IsZoomed(Background()->GetSafeHwnd()));
        EXPECT_TRUE(MainFrame()->m_bMaximized);
        // The skin reaches 2 pixels past the work area's left edge and 4 below it; the main
        // window starts at the work area's corner, 4 pixels wider and taller than it.
        EXPECT_EQ(WindowRect(Background()), (RECT{38, 20, 1044, 824}));
        EXPECT_EQ(WindowRect(MainFrame()), (RECT{40, 20, 1044, 824}));
        EXPECT_EQ(SkinPixel(1001, 20), skin::kTitleRight) << "composed for the maximised size";
    });
    doubleClick({400, 40});
    Then([&] {
        EXPECT_FALSE(::IsZoomed(Background()->GetSafeHwnd()));
        EXPECT_FALSE(MainFrame()->m_bMaximized);
        EXPECT_EQ(WindowRect(Background()), kStartRect);
        EXPECT_EQ(WindowRect(MainFrame()), kStartRect);
        EXPECT_EQ(SkinPixel(845, 20), skin::kTitleRight);
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(BrowserTest, TheMainWindowsCommandsMaximiseRestoreAndMinimiseThePair) {
    auto command = [](UINT id) { MainFrame()->PostMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); };
    Then([&] { command(1003); });
    Then([&] {
        EXPECT_TRUE(::IsZoomed(Background()->GetSafeHwnd()));
        EXPECT_TRUE(MainFrame()->m_bMaximized);
    });
    Then([&] { command(1003); });
    Then([&] {
        EXPECT_FALSE(::IsZoomed(Background()->GetSafeHwnd()));
        EXPECT_EQ(WindowRect(MainFrame()), kStartRect);
    });
    Then([&] { command(1004); });
    Then([&] {
        EXPECT_TRUE(::IsIconic(Background()->GetSafeHwnd()));
        EXPECT_TRUE(Desktop().FindWindow(Background()->GetSafeHwnd())->minimized);
        EXPECT_TRUE(::IsWindow(MainFrame()->GetSafeHwnd()));
    });
    Then([&] { Desktop().RequestShow(Background()->GetSafeHwnd(), SW_RESTORE); });
    Then([&] {
        EXPECT_FALSE(::IsIconic(Background()->GetSafeHwnd()));
        EXPECT_EQ(WindowRect(Background()), kStartRect);
        EXPECT_EQ(WindowRect(MainFrame()), kStartRect);
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(BrowserTest, TheUserCannotSizeTheWindowBelow600By400AndTheMainWindowFollows) {
    Then([&] { Desktop().Configure(Background()->GetSafeHwnd(), {100, 50, 300, 150}); });
    Then([&] {
        EXPECT_EQ(WindowRect(Background()), (RECT{100, 50, 700, 450}));
        EXPECT_EQ(WindowRect(MainFrame()), (RECT{100, 50, 700, 450}));
        EXPECT_EQ(SkinPixel(599, 399), skin::kBorder) << "the skin is composed for the new size";
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(BrowserTest, ARestoredWindowLargerThanTheWorkAreaIsCutToItBeforeItIsRedrawn) {
    Then([&] { Desktop().Configure(Background()->GetSafeHwnd(), {10, 20, 1210, 920}); });
    Then([&] {
        EXPECT_EQ(WindowRect(Background()), (RECT{10, 20, 1010, 820}));
        EXPECT_EQ(WindowRect(MainFrame()), (RECT{10, 20, 1010, 820}));
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(BrowserTest, PressingOnTheSkinDragsTheWindowPair) {
    const POINT from{kStartRect.left + 425, kStartRect.top + 10};
    Then([&] { Desktop().Press(from); });
    Then([&] {
        EXPECT_TRUE(Desktop().IsMoving());
        Desktop().MovePointer({from.x + 30, from.y + 20});
    });
    Then([&] { Desktop().Release({from.x + 30, from.y + 20}); });
    Then([&] {
        const RECT moved{kStartRect.left + 30, kStartRect.top + 20, kStartRect.right + 30, kStartRect.bottom + 20};
        EXPECT_EQ(WindowRect(Background()), moved);
        EXPECT_EQ(WindowRect(MainFrame()), moved);
    });
    EXPECT_EQ(Run(), 0);
}

}  // namespace
}  // namespace qx::systest
