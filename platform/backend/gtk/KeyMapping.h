#pragma once
// Keys of the desktop (GDK key values) as the window system names them: virtual-key codes and
// the UTF-16 character a press types.

#include "platform/base/WinTypes.h"

#include <cstdint>

namespace qx::backend::gtk {

// The virtual key of a key value without modifiers applied (the key's base symbol, so that
// Shift+1 is still the key '1'); 0 for keys the window system has no name for.
UINT VirtualKeyFromKeyval(unsigned keyval);

// The character a press types, given the code point the desktop gives the key value (0: none)
// and whether Control was held: Control with a letter types the control character, as the real
// system does; keys that move or delete type nothing; a code point beyond UTF-16's first plane
// gives 0 (it comes as text instead).
char16_t CharacterOfKey(unsigned keyval, std::uint32_t codePoint, bool control);

}  // namespace qx::backend::gtk
