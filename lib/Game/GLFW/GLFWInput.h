#pragma once

#include <utility>
#include <vector>

namespace Game
{
// The translations from the window library's input reports to the game's codes, kept free of any
// window so that they can be checked on their own.

// The 8-bit key code of a library key: printable keys in lower case, the named special keys their
// codes, 0 (no event) for every other key, unknown and negative ones included.
unsigned char translateKey(int glfwKey);

// The game's modifier bits (shift 1, alt 2, control 4) from the library's modifier mask.
int translateModifiers(int glfwMods);

// The game's button bit: left 1, right 2, middle 4, any other button 0.
int translateMouseButton(int glfwButton);

// A window size as SCREEN reports it: never 0.
int nonZeroSize(int size);

// The red, green, blue and alpha parts of a colour written 0xRRGGBBAA, each in 0 to 1.
void splitColour(unsigned long colour, float& red, float& green, float& blue, float& alpha);

// The change of the wheel since the previous report. position is the wheel's position, the sum of
// every offset reported so far, up positive; previous holds the whole steps last reported.
int wheelDiff(double position, int& previous);

// The joypad state of one joystick from the library's arrays, which may be null or short: axes
// truncated toward zero with the second one positive when pushed up, and the first four buttons.
void readJoypad(const float* axes, int axisCount, const unsigned char* buttons, int buttonCount, int& axisX,
                int& axisY, bool pressed[4]);

// Orders sizes by width, then height, ascending.
struct ltWidthHeightPair
{
    bool operator()(const std::pair<int, int>& a, const std::pair<int, int>& b) const;
};

// The distinct sizes among modes, in the order of ltWidthHeightPair; modes after one of width 0 are
// not looked at.
void distinctSizes(const std::vector<std::pair<int, int>>& modes, std::vector<std::pair<int, int>>& sizes);
} // namespace Game
