#include "Game/GLFW/GLFWInput.h"

#include <cmath>
#include <set>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "Devices/Keyboard.h"

namespace Game
{
unsigned char translateKey(int glfwKey)
{
    using K = Devices::Keyboard;
    switch (glfwKey)
    {
    case GLFW_KEY_ESCAPE:
        return K::KEY_ESC;
    case GLFW_KEY_ENTER:
        return K::KEY_RETURN;
    case GLFW_KEY_UP:
        return K::KEY_UP;
    case GLFW_KEY_DOWN:
        return K::KEY_DOWN;
    case GLFW_KEY_LEFT:
        return K::KEY_LEFT;
    case GLFW_KEY_RIGHT:
        return K::KEY_RIGHT;
    case GLFW_KEY_INSERT:
        return K::KEY_INSERT;
    case GLFW_KEY_PAGE_UP:
        return K::KEY_PAGE_UP;
    case GLFW_KEY_PAGE_DOWN:
        return K::KEY_PAGE_DN;
    case GLFW_KEY_HOME:
        return K::KEY_HOME;
    case GLFW_KEY_END:
        return K::KEY_END;
    case GLFW_KEY_KP_0:
        return K::KEY_KP0;
    case GLFW_KEY_KP_1:
        return K::KEY_KP1;
    case GLFW_KEY_KP_2:
        return K::KEY_KP2;
    case GLFW_KEY_KP_3:
        return K::KEY_KP3;
    case GLFW_KEY_KP_4:
        return K::KEY_KP4;
    case GLFW_KEY_KP_5:
        return K::KEY_KP5;
    case GLFW_KEY_KP_6:
        return K::KEY_KP6;
    case GLFW_KEY_KP_7:
        return K::KEY_KP7;
    case GLFW_KEY_KP_8:
        return K::KEY_KP8;
    case GLFW_KEY_KP_9:
        return K::KEY_KP9;
    case GLFW_KEY_KP_DIVIDE:
        return K::KEY_KP_DIVIDE;
    case GLFW_KEY_KP_MULTIPLY:
        return K::KEY_KP_MULTIPLY;
    case GLFW_KEY_KP_SUBTRACT:
        return K::KEY_KP_MINUS;
    case GLFW_KEY_KP_ADD:
        return K::KEY_KP_PLUS;
    case GLFW_KEY_KP_DECIMAL:
        return K::KEY_KP_POINT;
    case GLFW_KEY_KP_EQUAL:
        return K::KEY_KP_EQUALS;
    case GLFW_KEY_KP_ENTER:
        return K::KEY_KP_RETURN;

    // The printable keys are named after the character of the key on a US keyboard.
    case GLFW_KEY_SPACE:
    case GLFW_KEY_APOSTROPHE:
    case GLFW_KEY_COMMA:
    case GLFW_KEY_MINUS:
    case GLFW_KEY_PERIOD:
    case GLFW_KEY_SLASH:
    case GLFW_KEY_SEMICOLON:
    case GLFW_KEY_EQUAL:
    case GLFW_KEY_LEFT_BRACKET:
    case GLFW_KEY_BACKSLASH:
    case GLFW_KEY_RIGHT_BRACKET:
    case GLFW_KEY_GRAVE_ACCENT:
        return static_cast<unsigned char>(glfwKey);
    default:
        break;
    }
    if (glfwKey >= GLFW_KEY_0 && glfwKey <= GLFW_KEY_9)
        return static_cast<unsigned char>(glfwKey);
    if (glfwKey >= GLFW_KEY_A && glfwKey <= GLFW_KEY_Z)
        return static_cast<unsigned char>(glfwKey - GLFW_KEY_A + 'a');
    return K::KEY_NONE;
}

int translateModifiers(int glfwMods)
{
    int modifiers = Devices::Keyboard::MOD_NONE;
    if (glfwMods & GLFW_MOD_SHIFT)
        modifiers |= Devices::Keyboard::MOD_SHIFT;
    if (glfwMods & GLFW_MOD_ALT)
        modifiers |= Devices::Keyboard::MOD_ALT;
    if (glfwMods & GLFW_MOD_CONTROL)
        modifiers |= Devices::Keyboard::MOD_CTRL;
    return modifiers;
}

int translateMouseButton(int glfwButton)
{
    switch (glfwButton)
    {
    case GLFW_MOUSE_BUTTON_LEFT:
        return 1;
    case GLFW_MOUSE_BUTTON_RIGHT:
        return 2;
    case GLFW_MOUSE_BUTTON_MIDDLE:
        return 4;
    default:
        return 0;
    }
}

int nonZeroSize(int size)
{
    return size == 0 ? 1 : size;
}

void splitColour(unsigned long colour, float& red, float& green, float& blue, float& alpha)
{
    red = static_cast<float>((colour >> 24) & 0xff) / 255.0f;
    green = static_cast<float>((colour >> 16) & 0xff) / 255.0f;
    blue = static_cast<float>((colour >> 8) & 0xff) / 255.0f;
    alpha = static_cast<float>(colour & 0xff) / 255.0f;
}

int wheelDiff(double position, int& previous)
{
    // Fractional offsets (smooth wheels, touch pads) add up to whole steps; floor keeps every step one
    // unit wide on both sides of 0.
    int steps = static_cast<int>(std::floor(position));
    int diff = steps - previous;
    previous = steps;
    return diff;
}

namespace
{
// Truncates toward zero; a value outside -1 to 1 (or not a number) must not reach the conversion to int.
int truncateAxis(float value)
{
    if (value >= 1.0f)
        return 1;
    if (value <= -1.0f)
        return -1;
    return 0;
}
} // namespace

void readJoypad(const float* axes, int axisCount, const unsigned char* buttons, int buttonCount, int& axisX,
                int& axisY, bool pressed[4])
{
    axisX = axes && axisCount > 0 ? truncateAxis(axes[0]) : 0;
    // The library reports the second axis negative when the stick is pushed up.
    axisY = axes && axisCount > 1 ? truncateAxis(-axes[1]) : 0;
    for (int i = 0; i < 4; ++i)
        pressed[i] = buttons && i < buttonCount && buttons[i] == GLFW_PRESS;
}

bool ltWidthHeightPair::operator()(const std::pair<int, int>& a, const std::pair<int, int>& b) const
{
    if (a.first != b.first)
        return a.first < b.first;
    return a.second < b.second;
}

void distinctSizes(const std::vector<std::pair<int, int>>& modes, std::vector<std::pair<int, int>>& sizes)
{
    std::set<std::pair<int, int>, ltWidthHeightPair> ordered;
    for (const auto& mode : modes)
    {
        if (mode.first == 0)
            break;
        ordered.insert(mode);
    }
    sizes.assign(ordered.begin(), ordered.end());
}
} // namespace Game
