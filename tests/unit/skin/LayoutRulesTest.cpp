#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "platform/base/Strings.h"
#include "skin/AreaRect.h"
#include "skin/ButtonPlacement.h"
#include "skin/QXAreaLocationModel.h"
#include "skin/QXButtonLocationModel.h"

// Readable failure output for rectangles.
inline void PrintTo(const RECT& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

constexpr RECT kUnchanged{-1111, -2222, -3333, -4444};

RECT AreaRect(const RECT& parent, const CString& value) {
    CQXAreaLocationModel area;
    area.ParseValue(value);
    RECT rc = kUnchanged;
    ComputeAreaRect(parent, area, rc);
    return rc;
}

RECT ButtonRect(const RECT& parent, const CString& value) {
    CQXButtonLocationModel button;
    button.ParseValue(value);
    const ButtonPlacement p =
        ComputeButtonPlacement(parent, button.m_nX, button.m_nY, button.m_nWidth, button.m_nHeight, button.m_strAnchor);
    return RECT{p.x, p.y, p.x + p.nWidth, p.y + p.nHeight};
}

// Any parent of size 800 x 600 gives the same results, wherever its corner lies.
const RECT kParents[] = {{0, 0, 800, 600}, {100, 50, 900, 650}, {-300, -200, 500, 400}};

TEST(LayoutRules, WorkedExamples) {
    struct Case { CString value; bool bButton; RECT expected; };
    const Case cases[] = {
        {u"a.png,0,0,0-0,30,T", false, {0, 0, 800, 30}},
        {u"a.png,5,40,5-5,20,L", false, {5, 40, 795, 60}},
        {u"a.png,0,24,0-0,24,B", false, {0, 576, 800, 600}},
        {u"a.png,20,5,20,20,R", false, {780, 5, 800, 25}},
        {u"a.png,100,5,90-10,20,RR", false, {700, 5, 780, 25}},
        {u"a.png,0,60,0-0,60-24,T", false, {0, 60, 800, 576}},
        {u"a.png,30,4,28,24,R", true, {770, 4, 798, 28}},
        {u"a.png,30,4,28,24,RR", true, {30, 4, 58, 28}},
    };
    for (const RECT& parent : kParents) {
        for (const Case& c : cases) {
            const RECT actual = c.bButton ? ButtonRect(parent, c.value) : AreaRect(parent, c.value);
            EXPECT_EQ(actual, c.expected) << qx::WideToUtf8(c.value) << " in parent at " << parent.left;
        }
    }
}

TEST(LayoutRules, AreaSizeRules) {
    const RECT parent{0, 0, 800, 600};
    struct Case { CString value; RECT expected; };
    const Case cases[] = {
        {u"a.png,0,0,0-0,0-0,T", {0, 0, 800, 600}},
        {u"a.png,0,0,5-,5-,T", {0, 0, 795, 595}},
        {u"a.png,0,0,-5,-5,T", {0, 0, 795, 595}},
        {u"a.png,0,0,10-20-30,10-20-30,T", {0, 0, 10, 10}},
        {u"a.png,0,0,abc,,T", {0, 0, 0, 0}},        // not a number: size 0
        {u"a.png,100,0,30-10,20,R", {700, 0, 1460, 20}},  // R: W - 30 - 10 wide
        {u"a.png,100,0,30-10,20,RR", {700, 0, 720, 20}},  // RR: plainly 30 - 10 wide
        {u"a.png,40,0,25,20,RR", {760, 0, 785, 20}},
        {u"a.png,-3,-3,10,10,L", {-3, -3, 7, 7}},    // a sign in x or y is a sign
        {u"a.png,-3,-3,10,10,B", {-3, 603, 7, 613}},
        {u"a.png,1,2,3,4,T,x,y", {1, 2, 4, 6}},
    };
    for (const Case& c : cases) EXPECT_EQ(AreaRect(parent, c.value), c.expected) << qx::WideToUtf8(c.value);
}

TEST(LayoutRules, UnknownAnchorLeavesTheOutputAlone) {
    for (const CString anchor : {u"t", u" T", u"T ", u"", u"rr", u"TL", u"X"}) {
        EXPECT_EQ(AreaRect({0, 0, 800, 600}, u"a.png,1,2,3,4," + anchor), kUnchanged) << qx::WideToUtf8(anchor);
    }
    EXPECT_EQ(AreaRect({0, 0, 800, 600}, u""), kUnchanged);  // a missing element
}

TEST(LayoutRules, AbsurdNumbersSaturateInsteadOfOverflowing) {
    const RECT parent{INT32_MIN, 0, INT32_MAX, 600};
    EXPECT_EQ(AreaRect(parent, u"a.png,-99999999999,0,0-0,99999999999,R"), (RECT{INT32_MAX, 0, INT32_MAX, INT32_MAX}));
    EXPECT_EQ(AreaRect({0, 0, 800, 600}, u"a.png,0,-2147483648,10,10,B"), (RECT{0, INT32_MAX, 10, INT32_MAX}));
    EXPECT_EQ(AreaRect({0, 0, 800, 600}, u"a.png,-99999999999,0,99999999999-0,10,RR"), (RECT{INT32_MAX, 0, INT32_MAX, 10}));
    EXPECT_EQ(ComputeButtonPlacement(parent, INT32_MIN, 0, 1, 1, u"R").x, INT32_MAX);
}

TEST(LayoutRules, ButtonAnchors) {
    const RECT parent{0, 0, 800, 600};
    struct Case { CString anchor; LONG x; };
    const Case cases[] = {
        {u"R", 800 - 30}, {u"RR", 30}, {u"B", 30}, {u"L", 30}, {u"T", 30}, {u"r", 30}, {u" R", 30}, {u"", 30},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComputeButtonPlacement(parent, 30, 4, 28, 24, c.anchor), (ButtonPlacement{c.x, 4, 28, 24}))
            << qx::WideToUtf8(c.anchor);
    }
    // x 0 under "R" puts the button's left edge on the parent's right edge, outside the window.
    EXPECT_EQ(ComputeButtonPlacement(parent, 0, 0, 28, 24, u"R").x, 800);
}

}  // namespace
