// A top-level window's image: children over it in z-order, clipped to their parents, and what
// hiding or showing a child repaints.

#include "CompositionTest.h"

namespace qx::win::test {
namespace {

const Palette kPalette = {{'r', kRed}, {'g', kGreen}, {'b', kBlue}, {'y', kYellow}, {'.', 0}};

class ChildCompositionTest : public CompositionTest {};

TEST_F(ChildCompositionTest, ChildrenLieOverTheirParentInZOrderClippedToIt) {
    HWND top = CreatePopup({0, 0, 10, 6});
    HWND a = CreateChild(top, {1, 1, 6, 5});
    HWND grandchild = CreateChild(a, {3, 2, 7, 6});  // reaches past a's right and bottom edges
    HWND b = CreateChild(top, {4, 0, 7, 2});
    HWND hidden = Create(WS_CHILD, {0, 5, 10, 6}, top);
    PaintWith(top, RGB(255, 0, 0));
    PaintWith(a, RGB(0, 0, 255));
    PaintWith(grandchild, RGB(255, 255, 0));
    PaintWith(b, RGB(0, 255, 0));
    PaintWith(hidden, RGB(255, 255, 0));
    SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PumpPendingMessages();

    const Picture bOnTop = {
        "rrrrgggrrr",
        "rbbbgggrrr",
        "rbbbbbrrrr",
        "rbbbyyrrrr",
        "rbbbyyrrrr",
        "rrrrrrrrrr",
    };
    EXPECT_TRUE(MatchesPicture(*ComposeWindowImage(top), bOnTop, kPalette, "children-b-on-top"));
    // What the backend was handed is the composed image, not the top-level surface alone.
    const backend::HeadlessWindow* shown = backend.FindWindow(top);
    ASSERT_TRUE(shown && shown->image);
    EXPECT_TRUE(MatchesPicture(*shown->image, bOnTop, kPalette, "children-presented"));

    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PumpPendingMessages();
    const Picture aOnTop = {
        "rrrrgggrrr",
        "rbbbbbgrrr",
        "rbbbbbrrrr",
        "rbbbyyrrrr",
        "rbbbyyrrrr",
        "rrrrrrrrrr",
    };
    EXPECT_TRUE(MatchesPicture(*backend.FindWindow(top)->image, aOnTop, kPalette, "children-a-on-top"));
    // A child's own image holds its children too.
    EXPECT_TRUE(MatchesPicture(*ComposeWindowImage(a), {"bbbbb", "bbbbb", "bbbyy", "bbbyy"}, kPalette, "child-a"));
}

TEST_F(ChildCompositionTest, OnlyChangedWindowsArePresentedAgain) {
    HWND first = CreatePopup({0, 0, 4, 4});
    HWND second = CreatePopup({10, 0, 14, 4});
    HWND child = CreateChild(second, {0, 0, 2, 2});
    PaintWith(first, RGB(255, 0, 0));
    PaintWith(second, RGB(0, 255, 0));
    PaintWith(child, RGB(0, 0, 255));
    PumpPendingMessages();
    const int firstCount = backend.FindWindow(first)->presentCount;
    const int secondCount = backend.FindWindow(second)->presentCount;

    InvalidateRect(child, nullptr, FALSE);
    PumpPendingMessages();

    EXPECT_EQ(backend.FindWindow(first)->presentCount, firstCount);
    EXPECT_EQ(backend.FindWindow(second)->presentCount, secondCount + 1);
}

struct HideCase {
    const char* name;
    std::function<void(HWND)> hide;
};

class ChildHideTest : public ChildCompositionTest, public ::testing::WithParamInterface<HideCase> {};

// The parent paints red first and green ever after, so the picture shows what it painted again.
TEST_P(ChildHideTest, HidingAChildRepaintsOnlyTheParentUnderIt) {
    HWND parent = CreatePopup({0, 0, 6, 2});
    HWND child = CreateChild(parent, {2, 0, 4, 2});
    int paints = 0;
    PaintWith(parent, [&paints] { return paints++ == 0 ? RGB(255, 0, 0) : RGB(0, 255, 0); });
    PaintWith(child, RGB(0, 0, 255));
    PumpPendingMessages();
    ASSERT_TRUE(MatchesPicture(*ComposeWindowImage(parent), {"rrbbrr", "rrbbrr"}, kPalette, "before-hide"));

    GetParam().hide(child);
    RECT update;
    GetUpdateRect(parent, &update, FALSE);
    EXPECT_EQ(update, (RECT{2, 0, 4, 2}));
    PumpPendingMessages();

    const std::string name = std::string("after-") + GetParam().name;
    EXPECT_TRUE(MatchesPicture(*backend.FindWindow(parent)->image, {"rrggrr", "rrggrr"}, kPalette, name));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ChildHideTest,
    ::testing::Values(HideCase{"ShowWindow", [](HWND h) { ShowWindow(h, SW_HIDE); }},
                      HideCase{"SetWindowPos",
                               [](HWND h) {
                                   SetWindowPos(h, nullptr, 0, 0, 0, 0,
                                                SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
                               }},
                      HideCase{"DestroyWindow", [](HWND h) { DestroyWindow(h); }}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(ChildCompositionTest, ShowingAChildAgainPaintsItOverItsParent) {
    HWND parent = CreatePopup({0, 0, 6, 2});
    HWND child = CreateChild(parent, {2, 0, 4, 2});
    PaintWith(parent, RGB(255, 0, 0));
    PaintWith(child, RGB(0, 0, 255));
    ShowWindow(child, SW_HIDE);
    PumpPendingMessages();
    ASSERT_TRUE(MatchesPicture(*backend.FindWindow(parent)->image, {"rrrrrr", "rrrrrr"}, kPalette, "hidden"));

    ShowWindow(child, SW_SHOW);
    PumpPendingMessages();

    EXPECT_TRUE(MatchesPicture(*backend.FindWindow(parent)->image, {"rrbbrr", "rrbbrr"}, kPalette, "shown-again"));
}

}  // namespace
}  // namespace qx::win::test
