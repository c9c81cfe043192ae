// The main window's layout: every image button and text box placed from its skin record on each
// size change, in one batch, and the controls without a place kept out of sight.

#include "system/mainframe/MainFrameTest.h"

#include <algorithm>
#include <vector>

#include "res/ResourceIds.h"

namespace qx::systest {
namespace {

struct AnchorCase {
    const char* key;
    int id;
    const char* anchor;
    int x;  // where the button's left edge lies in an 800 and in a 1000 pixel wide window
    int xWide;
};

// Every button at x value 30 except the one at 0; only an exact "R" counts from the right edge.
constexpr AnchorCase kAnchorCases[] = {
    {"BTN_TITLE_CLOSE", 1002, "R", 770, 970},
    {"BTN_TITLE_MIN", 1004, "RR", 30, 30},
    {"BTN_BACK", 1013, "r", 30, 30},
    {"BTN_FORWARD", 1014, "B", 30, 30},
    {"BTN_STOP", 1015, "L", 30, 30},
    {"BTN_REFRESH", 1016, " R", 30, 30},
    {"BTN_HOME", 1017, "", 30, 30},
    {"BTN_SETTING", 1018, "R", 800, 1000},  // x 0: just outside the right edge
};

TEST_F(MainFrameTest, ButtonsArePlacedFromTheRightEdgeOnlyForAnExactR) {
    for (const AnchorCase& c : kAnchorCases) SetSkinButton(c.key, c.x == 800 ? 0 : 30, 4, c.anchor);
    auto expectPlaces = [](int width) {
        for (const AnchorCase& c : kAnchorCases) {
            const int x = width == 800 ? c.x : c.xWide;
            EXPECT_EQ(ControlRect(c.id), (RECT{x, 4, x + chrome::kButtonWidth, 4 + chrome::kButtonHeight}))
                << c.key << " with anchor \"" << c.anchor << "\" in a window " << width << " wide";
        }
    };
    SizeWindowTo(800, 600);
    Then([&] { expectPlaces(800); });
    SizeWindowTo(1000, 600);
    Then([&] { expectPlaces(1000); });
    EXPECT_EQ(Run(), 0);
}

TEST_F(MainFrameTest, TheTextBoxesLieOnTheirAreaRectangles) {
    SizeWindowTo(800, 600);
    Then([&] {
        CQXMainFrame& frame = *MainFrame();
        EXPECT_EQ(ControlRect(frame.m_editAddress.GetSafeHwnd()), (RECT{120, 44, 490, 60})) << "L: 120-310 wide";
        EXPECT_EQ(ControlRect(frame.m_editSearch.GetSafeHwnd()), (RECT{560, 44, 730, 60})) << "RR: 240-70 is 170 wide";
        EXPECT_EQ(ControlRect(frame.m_editTitle.GetSafeHwnd()), (RECT{36, 8, 670, 26})) << "T";
        EXPECT_EQ(ControlRect(frame.m_editStatus.GetSafeHwnd()), (RECT{10, 582, 790, 598})) << "B: 18 above the bottom";
    });
    EXPECT_EQ(Run(), 0);
}

struct SharedRectCase {
    const char* name;
    const char* key;
    const char* value;
    RECT address;
    RECT search;
};

void PrintTo(const SharedRectCase& c, std::ostream* os) { *os << c.name; }

class SharedAreaRectTest : public MainFrameTest, public ::testing::WithParamInterface<SharedRectCase> {};

// The four text boxes are placed with one rectangle: a box whose anchor has no rule keeps the
// rectangle of the box before it.
TEST_P(SharedAreaRectTest, ABoxWithoutAnAreaAnchorTakesTheRectangleOfTheBoxBeforeIt) {
    SetSkinValue(GetParam().key, GetParam().value);
    SizeWindowTo(800, 600);
    Then([&] {
        EXPECT_EQ(ControlRect(MainFrame()->m_editAddress.GetSafeHwnd()), GetParam().address);
        EXPECT_EQ(ControlRect(MainFrame()->m_editSearch.GetSafeHwnd()), GetParam().search);
        EXPECT_EQ(ControlRect(MainFrame()->m_editTitle.GetSafeHwnd()), (RECT{36, 8, 670, 26}));
    });
    EXPECT_EQ(Run(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Anchors, SharedAreaRectTest,
    ::testing::Values(SharedRectCase{"SearchAfterAddress", "SEARCH_PAGE_INPUT", "none.png,240,44,240-70,16,rr",
                                     RECT{120, 44, 490, 60}, RECT{120, 44, 490, 60}},
                      SharedRectCase{"AddressFirst", "ADDRESS_PAGE_INPUT", "none.png,120,44,120-310,16,X",
                                     RECT{0, 0, 0, 0}, RECT{560, 44, 730, 60}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(MainFrameTest, ControlsWithoutAPlaceKeepZeroSizeThroughEveryLayoutAndThePageAreaStaysHidden) {
    // The favorites and notepad image buttons have records but are never placed.
    SetSkinButton("BTN_TASK_ICO", 6, 116, "L");
    SetSkinButton("BTN_CONTACTS_ICO", 6, 150, "L");
    SetSkinButton("BTN_NOTEPAD_ICO", 6, 184, "L");
    SetSkinButton("BTN_FAVORITES_ICO", 6, 218, "L");
    auto expectHidden = [](const char* when) {
        for (int id : {1005, 1006, 1007, 1008, 1009, 1010, 1044, 1045}) {
            EXPECT_EQ(ControlRect(id), (RECT{0, 0, 0, 0})) << "control " << id << " " << when;
        }
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(MainFrame()->GetSafeHwnd(), 1039))) << when;
        // The left column shows the tasks and contacts buttons only.
        EXPECT_EQ(ControlRect(1012), (RECT{6, 116, 34, 140})) << when;
        EXPECT_EQ(ControlRect(1011), (RECT{6, 150, 34, 174})) << when;
    };
    Then([&] { expectHidden("after start-up"); });
    SizeWindowTo(800, 600);
    Then([&] { expectHidden("after a resize"); });
    Then([&] { MainFrame()->ToggleMaximize(); });
    Then([&] { expectHidden("while maximised"); });
    Then([&] { MainFrame()->ToggleMaximize(); });
    Then([&] { expectHidden("after a restore"); });
    EXPECT_EQ(Run(), 0);
}

TEST_F(MainFrameTest, TheMaximiseButtonFollowsTheWindowStateWhoeverChangesIt) {
    Then([&] { Desktop().RequestShow(Background()->GetSafeHwnd(), SW_MAXIMIZE); });
    Then([&] {
        ASSERT_TRUE(MainFrame()->m_bMaximized);
        EXPECT_EQ(MainFrame()->m_btnMax.m_nImageWidth, 120) << "BTN_TITLE_MAX2";
        const RECT main = WindowRect(MainFrame());
        EXPECT_EQ(ControlRect(1003).left, main.right - main.left - 80) << "placed from the right edge";
    });
    Then([&] { Desktop().RequestShow(Background()->GetSafeHwnd(), SW_SHOWNORMAL); });
    Then([&] {
        ASSERT_FALSE(MainFrame()->m_bMaximized);
        EXPECT_EQ(MainFrame()->m_btnMax.m_nImageWidth, 144) << "BTN_TITLE_MAX";
        EXPECT_EQ(ControlRect(1003), (RECT{850 - 80, 4, 850 - 80 + 36, 30}));
    });
    EXPECT_EQ(Run(), 0);
}

// One batch, committed in queue order: each placed control rises above the ones before it.
TEST_F(MainFrameTest, ThePlacedControlsStackInTheOrderTheyAreQueued) {
    SizeWindowTo(800, 600);
    Then([&] {
        const std::vector<int> queued = {1002, 1003, 1004, 1012, 1011, 1013, 1014, 1015, 1016, 1017,
                                         1018, 1019, 1023, 1022, 1025, 1021, 1024, 1031, 1032};
        std::vector<int> fromTop;
        for (HWND child = ::GetWindow(MainFrame()->GetSafeHwnd(), GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            const int id = ::GetDlgCtrlID(child);
            if (std::find(queued.begin(), queued.end(), id) != queued.end()) fromTop.push_back(id);
        }
        EXPECT_EQ(fromTop, std::vector<int>(queued.rbegin(), queued.rend()));
    });
    EXPECT_EQ(Run(), 0);
}

}  // namespace
}  // namespace qx::systest
