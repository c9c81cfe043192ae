// The window system counts text in UTF-16 units, GTK in characters.

#include "platform/backend/gtk/GtkNativeEntry.h"

#include <gtest/gtest.h>

namespace qx::backend::gtk {
namespace {

TEST(EntryOffsetTest, SurrogatePairsAreOneCharacter) {
    const std::u16string text = u"a\U0001F600b";  // a, a pair, b
    struct Case {
        int units;
        int characters;
    };
    for (Case c : {Case{0, 0}, Case{1, 1}, Case{3, 2}, Case{4, 3}}) {
        EXPECT_EQ(CharacterOffsetOf(text, c.units), c.characters) << c.units;
        EXPECT_EQ(UnitOffsetOf(text, c.characters), c.units) << c.characters;
    }
    // Out of range is held to the text.
    EXPECT_EQ(CharacterOffsetOf(text, 99), 3);
    EXPECT_EQ(UnitOffsetOf(text, 99), 4);
    EXPECT_EQ(CharacterOffsetOf(text, -3), 0);
}

}  // namespace
}  // namespace qx::backend::gtk
