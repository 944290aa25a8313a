#pragma once

namespace Devices
{
// The keyboard's vocabulary: the window layer produces these codes and bits, the input layer matches them.
// No keyboard object is ever made; the class only scopes the codes.
class Keyboard
{
public:
    // 8-bit key codes. Printable keys carry their character (letters in lower case); the special keys
    // below have codes of their own. A fixed underlying type keeps every byte value a valid KeyCode.
    enum KeyCode : unsigned char
    {
        KEY_NONE = 0,
        KEY_SHIFT = 1,
        KEY_ALT = 2,
        KEY_LEFT = 4,
        KEY_RIGHT = 5,
        KEY_UP = 6,
        KEY_DOWN = 7,
        KEY_HOME = 8,
        KEY_END = 9,
        KEY_INSERT = 10,
        KEY_PAGE_UP = 11,
        KEY_PAGE_DN = 12,
        KEY_RETURN = 13,
        KEY_ESC = 27,
        KEY_SPACE = 32,
        KEY_DQUOTE = 34,
        KEY_KP0 = 128,
        KEY_KP1 = 129,
        KEY_KP2 = 130,
        KEY_KP3 = 131,
        KEY_KP4 = 132,
        KEY_KP5 = 133,
        KEY_KP6 = 134,
        KEY_KP7 = 135,
        KEY_KP8 = 136,
        KEY_KP9 = 137,
        KEY_KP_DIVIDE = 138,
        KEY_KP_MULTIPLY = 139,
        KEY_KP_MINUS = 140,
        KEY_KP_PLUS = 141,
        KEY_KP_POINT = 142,
        KEY_KP_EQUALS = 143,
        KEY_KP_RETURN = 144
    };

    // Modifier keys held, as a bit set. Any int is a valid value: unknown names map to 0xffff.
    enum Modifiers : int
    {
        MOD_NONE = 0,
        MOD_SHIFT = 1,
        MOD_ALT = 2,
        MOD_CTRL = 4
    };

private:
    Keyboard() = delete;
};
} // namespace Devices
