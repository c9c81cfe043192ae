#include "platform/backend/gtk/KeyMapping.h"

#include "platform/win/WinUser.h"

#include <gdk/gdkkeysyms.h>

namespace qx::backend::gtk {

namespace {

constexpr UINT kNumpad0 = 0x60;
constexpr UINT kMultiply = 0x6A;
constexpr UINT kAdd = 0x6B;
constexpr UINT kSubtract = 0x6D;
constexpr UINT kDecimal = 0x6E;
constexpr UINT kDivide = 0x6F;

struct KeyPair {
    unsigned keyval;
    UINT virtualKey;
};

// Keys whose virtual key is not their character.
constexpr KeyPair kNamedKeys[] = {
    {GDK_KEY_Return, VK_RETURN},       {GDK_KEY_KP_Enter, VK_RETURN},     {GDK_KEY_ISO_Enter, VK_RETURN},
    {GDK_KEY_Escape, VK_ESCAPE},       {GDK_KEY_BackSpace, VK_BACK},      {GDK_KEY_Tab, VK_TAB},
    {GDK_KEY_ISO_Left_Tab, VK_TAB},    {GDK_KEY_KP_Tab, VK_TAB},          {GDK_KEY_Delete, VK_DELETE},
    {GDK_KEY_KP_Delete, VK_DELETE},    {GDK_KEY_Insert, VK_INSERT},       {GDK_KEY_KP_Insert, VK_INSERT},
    {GDK_KEY_Left, VK_LEFT},           {GDK_KEY_KP_Left, VK_LEFT},        {GDK_KEY_Right, VK_RIGHT},
    {GDK_KEY_KP_Right, VK_RIGHT},      {GDK_KEY_Up, VK_UP},               {GDK_KEY_KP_Up, VK_UP},
    {GDK_KEY_Down, VK_DOWN},           {GDK_KEY_KP_Down, VK_DOWN},        {GDK_KEY_Home, VK_HOME},
    {GDK_KEY_KP_Home, VK_HOME},        {GDK_KEY_End, VK_END},             {GDK_KEY_KP_End, VK_END},
    {GDK_KEY_Page_Up, VK_PRIOR},       {GDK_KEY_KP_Page_Up, VK_PRIOR},    {GDK_KEY_Page_Down, VK_NEXT},
    {GDK_KEY_KP_Page_Down, VK_NEXT},   {GDK_KEY_space, VK_SPACE},         {GDK_KEY_KP_Space, VK_SPACE},
    {GDK_KEY_Shift_L, VK_SHIFT},       {GDK_KEY_Shift_R, VK_SHIFT},       {GDK_KEY_Control_L, VK_CONTROL},
    {GDK_KEY_Control_R, VK_CONTROL},   {GDK_KEY_Alt_L, VK_MENU},          {GDK_KEY_Alt_R, VK_MENU},
    {GDK_KEY_Caps_Lock, VK_CAPITAL},   {GDK_KEY_Pause, VK_PAUSE},         {GDK_KEY_Clear, VK_CLEAR},
    {GDK_KEY_KP_Multiply, kMultiply},  {GDK_KEY_KP_Add, kAdd},            {GDK_KEY_KP_Subtract, kSubtract},
    {GDK_KEY_KP_Decimal, kDecimal},    {GDK_KEY_KP_Divide, kDivide},
    // The punctuation keys of a US keyboard (VK_OEM_*).
    {GDK_KEY_semicolon, 0xBA},         {GDK_KEY_equal, 0xBB},             {GDK_KEY_comma, 0xBC},
    {GDK_KEY_minus, 0xBD},             {GDK_KEY_period, 0xBE},            {GDK_KEY_slash, 0xBF},
    {GDK_KEY_grave, 0xC0},             {GDK_KEY_bracketleft, 0xDB},       {GDK_KEY_backslash, 0xDC},
    {GDK_KEY_bracketright, 0xDD},      {GDK_KEY_apostrophe, 0xDE},
};

bool TypesNothing(UINT virtualKey) {
    switch (virtualKey) {
    case VK_DELETE:
    case VK_INSERT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
    case VK_CAPITAL:
    case VK_PAUSE:
        return true;
    default:
        return false;
    }
}

}  // namespace

UINT VirtualKeyFromKeyval(unsigned keyval) {
    if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z) return 'A' + (keyval - GDK_KEY_a);
    if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z) return 'A' + (keyval - GDK_KEY_A);
    if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9) return '0' + (keyval - GDK_KEY_0);
    if (keyval >= GDK_KEY_KP_0 && keyval <= GDK_KEY_KP_9) return kNumpad0 + (keyval - GDK_KEY_KP_0);
    if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F12) return VK_F1 + (keyval - GDK_KEY_F1);
    for (const KeyPair& pair : kNamedKeys) {
        if (pair.keyval == keyval) return pair.virtualKey;
    }
    return 0;
}

char16_t CharacterOfKey(unsigned keyval, std::uint32_t codePoint, bool control) {
    const UINT virtualKey = VirtualKeyFromKeyval(keyval);
    if (TypesNothing(virtualKey)) return 0;
    // Keys that type a control character whatever their symbol (the keypad's Enter, Shift+Tab).
    if (virtualKey == VK_RETURN || virtualKey == VK_BACK || virtualKey == VK_TAB || virtualKey == VK_ESCAPE) {
        return static_cast<char16_t>(virtualKey);
    }
    if (control) {
        if (codePoint >= 'a' && codePoint <= 'z') return static_cast<char16_t>(codePoint - 'a' + 1);
        if (codePoint >= 'A' && codePoint <= 'Z') return static_cast<char16_t>(codePoint - 'A' + 1);
    }
    if (codePoint == 0 || codePoint > 0xFFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return 0;
    return static_cast<char16_t>(codePoint);
}

}  // namespace qx::backend::gtk
