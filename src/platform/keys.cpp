#include "platform/keys.h"

#include "platform/key_codes.h"

#include <allegro.h>
#include <cctype>

namespace {
struct KeyEntry {
    Key key;
    const char* name;
    int code; // the media library's scancode
};

// clang-format off
constexpr KeyEntry keyTable[] = {
    {Key::None, "", 0},
    {Key::A, "A", KEY_A}, {Key::B, "B", KEY_B}, {Key::C, "C", KEY_C}, {Key::D, "D", KEY_D},
    {Key::E, "E", KEY_E}, {Key::F, "F", KEY_F}, {Key::G, "G", KEY_G}, {Key::H, "H", KEY_H},
    {Key::I, "I", KEY_I}, {Key::J, "J", KEY_J}, {Key::K, "K", KEY_K}, {Key::L, "L", KEY_L},
    {Key::M, "M", KEY_M}, {Key::N, "N", KEY_N}, {Key::O, "O", KEY_O}, {Key::P, "P", KEY_P},
    {Key::Q, "Q", KEY_Q}, {Key::R, "R", KEY_R}, {Key::S, "S", KEY_S}, {Key::T, "T", KEY_T},
    {Key::U, "U", KEY_U}, {Key::V, "V", KEY_V}, {Key::W, "W", KEY_W}, {Key::X, "X", KEY_X},
    {Key::Y, "Y", KEY_Y}, {Key::Z, "Z", KEY_Z},
    {Key::Digit0, "0", KEY_0}, {Key::Digit1, "1", KEY_1}, {Key::Digit2, "2", KEY_2},
    {Key::Digit3, "3", KEY_3}, {Key::Digit4, "4", KEY_4}, {Key::Digit5, "5", KEY_5},
    {Key::Digit6, "6", KEY_6}, {Key::Digit7, "7", KEY_7}, {Key::Digit8, "8", KEY_8},
    {Key::Digit9, "9", KEY_9},
    {Key::F1, "F1", KEY_F1}, {Key::F2, "F2", KEY_F2}, {Key::F3, "F3", KEY_F3},
    {Key::F4, "F4", KEY_F4}, {Key::F5, "F5", KEY_F5}, {Key::F6, "F6", KEY_F6},
    {Key::F7, "F7", KEY_F7}, {Key::F8, "F8", KEY_F8}, {Key::F9, "F9", KEY_F9},
    {Key::F10, "F10", KEY_F10}, {Key::F11, "F11", KEY_F11}, {Key::F12, "F12", KEY_F12},
    {Key::Keypad0, "Keypad 0", KEY_0_PAD}, {Key::Keypad1, "Keypad 1", KEY_1_PAD},
    {Key::Keypad2, "Keypad 2", KEY_2_PAD}, {Key::Keypad3, "Keypad 3", KEY_3_PAD},
    {Key::Keypad4, "Keypad 4", KEY_4_PAD}, {Key::Keypad5, "Keypad 5", KEY_5_PAD},
    {Key::Keypad6, "Keypad 6", KEY_6_PAD}, {Key::Keypad7, "Keypad 7", KEY_7_PAD},
    {Key::Keypad8, "Keypad 8", KEY_8_PAD}, {Key::Keypad9, "Keypad 9", KEY_9_PAD},
    {Key::Escape, "Escape", KEY_ESC}, {Key::Return, "Return", KEY_ENTER},
    {Key::Space, "Space", KEY_SPACE}, {Key::Backspace, "Backspace", KEY_BACKSPACE},
    {Key::Tab, "Tab", KEY_TAB}, {Key::Insert, "Insert", KEY_INSERT},
    {Key::Delete, "Delete", KEY_DEL}, {Key::Home, "Home", KEY_HOME}, {Key::End, "End", KEY_END},
    {Key::PageUp, "PageUp", KEY_PGUP}, {Key::PageDown, "PageDown", KEY_PGDN},
    {Key::Left, "Left", KEY_LEFT}, {Key::Right, "Right", KEY_RIGHT}, {Key::Up, "Up", KEY_UP},
    {Key::Down, "Down", KEY_DOWN}, {Key::Minus, "Minus", KEY_MINUS},
    {Key::Equals, "Equals", KEY_EQUALS}, {Key::LeftBracket, "LeftBracket", KEY_OPENBRACE},
    {Key::RightBracket, "RightBracket", KEY_CLOSEBRACE},
    {Key::Semicolon, "Semicolon", KEY_SEMICOLON}, {Key::Quote, "Quote", KEY_QUOTE},
    {Key::Backquote, "Backquote", KEY_TILDE}, {Key::Backslash, "Backslash", KEY_BACKSLASH},
    {Key::Comma, "Comma", KEY_COMMA}, {Key::Period, "Period", KEY_STOP},
    {Key::Slash, "Slash", KEY_SLASH}, {Key::KeypadEnter, "Keypad Enter", KEY_ENTER_PAD},
    {Key::KeypadPlus, "Keypad Plus", KEY_PLUS_PAD}, {Key::KeypadMinus, "Keypad Minus", KEY_MINUS_PAD},
    {Key::KeypadMultiply, "Keypad Multiply", KEY_ASTERISK},
    {Key::KeypadDivide, "Keypad Divide", KEY_SLASH_PAD},
    {Key::KeypadPeriod, "Keypad Period", KEY_DEL_PAD},
    {Key::LeftShift, "LeftShift", KEY_LSHIFT}, {Key::RightShift, "RightShift", KEY_RSHIFT},
    {Key::LeftControl, "LeftControl", KEY_LCONTROL},
    {Key::RightControl, "RightControl", KEY_RCONTROL}, {Key::Alt, "Alt", KEY_ALT},
    {Key::AltGr, "AltGr", KEY_ALTGR}, {Key::CapsLock, "CapsLock", KEY_CAPSLOCK},
};
// clang-format on
constexpr bool oneEntryPerKeyInOrder() {
    if (sizeof keyTable / sizeof keyTable[0] != size_t(Key::Count)) return false;
    for (int i = 0; i < int(Key::Count); ++i)
        if (int(keyTable[i].key) != i) return false;
    return true;
}
static_assert(oneEntryPerKeyInOrder(), "every key has one entry, in the order of the enumeration");

bool sameName(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (std::tolower((unsigned char)*a) != std::tolower((unsigned char)*b)) return false;
    return *a == *b;
}
} // namespace

const char* keyName(Key key) {
    int i = int(key);
    return i > 0 && i < int(Key::Count) ? keyTable[i].name : "";
}

Key keyNamed(const char* name) {
    if (!name || !*name) return Key::None;
    for (const KeyEntry& e : keyTable)
        if (e.key != Key::None && sameName(e.name, name)) return e.key;
    return Key::None;
}

int keyCode(Key key) {
    int i = int(key);
    return i > 0 && i < int(Key::Count) ? keyTable[i].code : 0;
}
