#pragma once

// The keys of the keyboard in the game's own names. Letters, digits, function
// keys and keypad digits each run in order, so that `Key(int(Key::A) + i)` is
// the i-th letter.
enum class Key : int {
    None,
    // clang-format off
    A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z,
    Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
    F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
    Keypad0, Keypad1, Keypad2, Keypad3, Keypad4, Keypad5, Keypad6, Keypad7, Keypad8, Keypad9,
    // clang-format on
    Escape,
    Return,
    Space,
    Backspace,
    Tab,
    Insert,
    Delete,
    Home,
    End,
    PageUp,
    PageDown,
    Left,
    Right,
    Up,
    Down,
    Minus,
    Equals,
    LeftBracket,
    RightBracket,
    Semicolon,
    Quote,
    Backquote,
    Backslash,
    Comma,
    Period,
    Slash,
    KeypadEnter,
    KeypadPlus,
    KeypadMinus,
    KeypadMultiply,
    KeypadDivide,
    KeypadPeriod,
    LeftShift,
    RightShift,
    LeftControl,
    RightControl,
    Alt,
    AltGr,
    CapsLock,
    Count
};

constexpr Key letterKey(int index) {
    return Key(int(Key::A) + index);
}
constexpr Key digitKey(int digit) {
    return Key(int(Key::Digit0) + digit);
}

// The key's name as printed on a keyboard ("A", "7", "F1", "Left", "Return",
// "Escape", "Space", "Keypad 7"); "" for Key::None.
const char* keyName(Key key);
// The key of a name, in any letter case; Key::None when no key has it.
Key keyNamed(const char* name);
