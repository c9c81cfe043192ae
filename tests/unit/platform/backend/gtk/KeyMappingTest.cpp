// Keys of the desktop as the window system names them.

#include "platform/backend/gtk/KeyMapping.h"
#include "platform/win/WinUser.h"

#include <gdk/gdk.h>
#include <gtest/gtest.h>

namespace qx::backend::gtk {
namespace {

struct KeyCase {
    unsigned keyval;
    bool control;
    UINT virtualKey;
    char16_t character;
};

TEST(KeyMappingTest, KeysBecomeVirtualKeysAndTheCharactersTheyType) {
    const KeyCase cases[] = {
        {GDK_KEY_Return, false, VK_RETURN, u'\r'},
        {GDK_KEY_KP_Enter, false, VK_RETURN, u'\r'},
        {GDK_KEY_Escape, false, VK_ESCAPE, 0x1B},
        {GDK_KEY_BackSpace, false, VK_BACK, u'\b'},
        {GDK_KEY_Tab, false, VK_TAB, u'\t'},
        {GDK_KEY_ISO_Left_Tab, false, VK_TAB, u'\t'},
        {GDK_KEY_Delete, false, VK_DELETE, 0},
        {GDK_KEY_Left, false, VK_LEFT, 0},
        {GDK_KEY_Right, false, VK_RIGHT, 0},
        {GDK_KEY_Up, false, VK_UP, 0},
        {GDK_KEY_Down, false, VK_DOWN, 0},
        {GDK_KEY_Home, false, VK_HOME, 0},
        {GDK_KEY_End, false, VK_END, 0},
        {GDK_KEY_KP_Home, false, VK_HOME, 0},
        {GDK_KEY_a, false, 'A', u'a'},
        {GDK_KEY_Z, false, 'Z', u'Z'},
        {GDK_KEY_a, true, 'A', 0x01},  // Control+A types the control character
        {GDK_KEY_7, false, '7', u'7'},
        {GDK_KEY_space, false, VK_SPACE, u' '},
        {GDK_KEY_F5, false, VK_F1 + 4, 0},
        {GDK_KEY_Shift_L, false, VK_SHIFT, 0},
        {GDK_KEY_period, false, 0xBE, u'.'},
        {GDK_KEY_eacute, false, 0, u'\u00E9'},  // no key of its own, but it types
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(gdk_keyval_name(c.keyval));
        EXPECT_EQ(VirtualKeyFromKeyval(c.keyval), c.virtualKey);
        EXPECT_EQ(CharacterOfKey(c.keyval, gdk_keyval_to_unicode(c.keyval), c.control), c.character);
    }
}

TEST(KeyMappingTest, CodePointsOutsideTheFirstPlaneDoNotRideOnTheKey) {
    EXPECT_EQ(CharacterOfKey(GDK_KEY_VoidSymbol, 0x1F600, false), 0);
    EXPECT_EQ(CharacterOfKey(GDK_KEY_VoidSymbol, 0xD800, false), 0);
    EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_VoidSymbol), 0u);
}

}  // namespace
}  // namespace qx::backend::gtk
