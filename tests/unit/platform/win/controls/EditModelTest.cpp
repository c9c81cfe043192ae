// The edit box's text and selection apart from any window: selection rules, replacing within
// the limit, and moves and deletions that never split a surrogate pair.

#include "platform/win/controls/EditModel.h"

#include <gtest/gtest.h>

namespace qx::win {
namespace {

TEST(EditModelTest, ReplacingKeepsToTheLimitAndNeverKeepsHalfAPair) {
    struct Case {
        const char16_t* text;
        long long selStart, selEnd;
        std::size_t limit;
        const char16_t* typed;
        const char16_t* result;
        std::size_t caret;
        bool truncated;
    };
    const Case cases[] = {
        {u"hello", 0, 5, 0, u"J", u"J", 1, false},
        {u"hello", 5, 5, 6, u"!!", u"hello!", 6, true},
        {u"hello", 0, 2, 5, u"ab", u"abllo", 2, false},
        {u"ab", 2, 2, 3, u"\U0001F600", u"ab", 2, true},  // only half of the pair would fit
        {u"ab", 1, 1, 0, u"\U0001F600", u"a\U0001F600b", 3, false},
        {u"", 0, 0, 0, u"", u"", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.selStart << "-" << c.selEnd << " limit " << c.limit);
        EditModel model;
        model.SetText(c.text);
        model.SetLimit(c.limit);
        model.SetSel(c.selStart, c.selEnd);
        bool truncated = false;
        model.ReplaceSel(c.typed, &truncated);
        EXPECT_EQ(model.Text(), c.result);
        EXPECT_EQ(model.Caret(), c.caret);
        EXPECT_FALSE(model.HasSelection());
        EXPECT_EQ(truncated, c.truncated);
    }
}

TEST(EditModelTest, MovesAndDeletionsStepOverSurrogatePairs) {
    EditModel model;
    model.SetText(u"a\U0001F600b");  // a, a pair, b: four units
    model.Move(EditModel::Motion::End, false);
    model.Move(EditModel::Motion::Left, false);
    EXPECT_EQ(model.Caret(), 3u);
    model.Move(EditModel::Motion::Left, false);
    EXPECT_EQ(model.Caret(), 1u) << "one step crosses the whole pair";
    model.SetSel(2, 2);
    EXPECT_EQ(model.Caret(), 1u) << "a position inside a pair moves to its start";
    model.SetSel(3, 3);
    EXPECT_TRUE(model.Backspace());
    EXPECT_EQ(model.Text(), u"ab");
    EXPECT_TRUE(model.DeleteForward());
    EXPECT_EQ(model.Text(), u"a");
    EXPECT_FALSE(model.DeleteForward()) << "nothing after the caret";
}

TEST(EditModelTest, ASelectionCollapsesToItsEndOnAMoveWithoutShift) {
    EditModel model;
    model.SetText(u"abcdef");
    model.SetSel(1, 4);
    model.Move(EditModel::Motion::Left, false);
    EXPECT_EQ(model.Caret(), 1u);
    model.SetSel(1, 4);
    model.Move(EditModel::Motion::Right, false);
    EXPECT_EQ(model.Caret(), 4u);
    model.Move(EditModel::Motion::Home, true);
    EXPECT_EQ(model.SelStart(), 0u);
    EXPECT_EQ(model.SelEnd(), 4u);
    EXPECT_EQ(model.Anchor(), 4u);
}

}  // namespace
}  // namespace qx::win
