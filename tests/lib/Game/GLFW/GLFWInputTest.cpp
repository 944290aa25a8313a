#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "Game/GLFW/GLFWInput.h"

TEST(GLFWInput, KeysTranslateToGameCodes)
{
    struct Case
    {
        int glfwKey;
        int code;
    };
    const std::vector<Case> cases = {
        {GLFW_KEY_A, 'a'},
        {GLFW_KEY_Z, 'z'},
        {GLFW_KEY_0, '0'},
        {GLFW_KEY_9, '9'},
        {GLFW_KEY_SPACE, ' '},
        {GLFW_KEY_APOSTROPHE, '\''},
        {GLFW_KEY_COMMA, ','},
        {GLFW_KEY_MINUS, '-'},
        {GLFW_KEY_PERIOD, '.'},
        {GLFW_KEY_SLASH, '/'},
        {GLFW_KEY_SEMICOLON, ';'},
        {GLFW_KEY_EQUAL, '='},
        {GLFW_KEY_LEFT_BRACKET, '['},
        {GLFW_KEY_BACKSLASH, '\\'},
        {GLFW_KEY_RIGHT_BRACKET, ']'},
        {GLFW_KEY_GRAVE_ACCENT, '`'},
        {GLFW_KEY_ESCAPE, 27},
        {GLFW_KEY_ENTER, 13},
        {GLFW_KEY_LEFT, 4},
        {GLFW_KEY_RIGHT, 5},
        {GLFW_KEY_UP, 6},
        {GLFW_KEY_DOWN, 7},
        {GLFW_KEY_HOME, 8},
        {GLFW_KEY_END, 9},
        {GLFW_KEY_INSERT, 10},
        {GLFW_KEY_PAGE_UP, 11},
        {GLFW_KEY_PAGE_DOWN, 12},
        {GLFW_KEY_KP_0, 128},
        {GLFW_KEY_KP_5, 133},
        {GLFW_KEY_KP_9, 137},
        {GLFW_KEY_KP_DIVIDE, 138},
        {GLFW_KEY_KP_MULTIPLY, 139},
        {GLFW_KEY_KP_SUBTRACT, 140},
        {GLFW_KEY_KP_ADD, 141},
        {GLFW_KEY_KP_DECIMAL, 142},
        {GLFW_KEY_KP_EQUAL, 143},
        {GLFW_KEY_KP_ENTER, 144},
        // Keys without a code raise nothing.
        {GLFW_KEY_F1, 0},
        {GLFW_KEY_F25, 0},
        {GLFW_KEY_TAB, 0},
        {GLFW_KEY_BACKSPACE, 0},
        {GLFW_KEY_DELETE, 0},
        {GLFW_KEY_LEFT_SHIFT, 0},
        {GLFW_KEY_RIGHT_SHIFT, 0},
        {GLFW_KEY_LEFT_CONTROL, 0},
        {GLFW_KEY_RIGHT_ALT, 0},
        {GLFW_KEY_LEFT_SUPER, 0},
        {GLFW_KEY_CAPS_LOCK, 0},
        {GLFW_KEY_NUM_LOCK, 0},
        {GLFW_KEY_PRINT_SCREEN, 0},
        {GLFW_KEY_MENU, 0},
        {GLFW_KEY_WORLD_1, 0},
        {GLFW_KEY_WORLD_2, 0},
        {GLFW_KEY_UNKNOWN, 0},
        {-2, 0},
        {'a', 0}, // a lower-case character is not a key of the library
        {1000, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Game::translateKey(c.glfwKey), c.code) << "key " << c.glfwKey;
}

TEST(GLFWInput, ModifierMaskTranslatesToGameBits)
{
    struct Case
    {
        int mods;
        int bits;
    };
    const std::vector<Case> cases = {
        {0, 0},
        {GLFW_MOD_SHIFT, 1},
        {GLFW_MOD_ALT, 2},
        {GLFW_MOD_CONTROL, 4},
        {GLFW_MOD_SHIFT | GLFW_MOD_CONTROL, 5},
        {GLFW_MOD_ALT | GLFW_MOD_CONTROL, 6},
        {GLFW_MOD_SHIFT | GLFW_MOD_ALT | GLFW_MOD_CONTROL, 7},
        {GLFW_MOD_SUPER | GLFW_MOD_CAPS_LOCK | GLFW_MOD_NUM_LOCK, 0},
        {GLFW_MOD_SHIFT | GLFW_MOD_NUM_LOCK, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Game::translateModifiers(c.mods), c.bits) << "mods " << c.mods;
}

TEST(GLFWInput, MouseButtonsTranslateToGameBits)
{
    EXPECT_EQ(Game::translateMouseButton(GLFW_MOUSE_BUTTON_LEFT), 1);
    EXPECT_EQ(Game::translateMouseButton(GLFW_MOUSE_BUTTON_RIGHT), 2);
    EXPECT_EQ(Game::translateMouseButton(GLFW_MOUSE_BUTTON_MIDDLE), 4);
    EXPECT_EQ(Game::translateMouseButton(GLFW_MOUSE_BUTTON_4), 0);
    EXPECT_EQ(Game::translateMouseButton(GLFW_MOUSE_BUTTON_LAST), 0);
    EXPECT_EQ(Game::translateMouseButton(-1), 0);
}

TEST(GLFWInput, ScreenSizeIsNeverZero)
{
    EXPECT_EQ(Game::nonZeroSize(0), 1);
    EXPECT_EQ(Game::nonZeroSize(1), 1);
    EXPECT_EQ(Game::nonZeroSize(600), 600);
}

TEST(GLFWInput, ColourSplitsIntoRedGreenBlueAlpha)
{
    float r = 0, g = 0, b = 0, a = 0;
    Game::splitColour(0xFF804000UL, r, g, b, a);
    EXPECT_FLOAT_EQ(r, 1.0f);
    EXPECT_FLOAT_EQ(g, 128.0f / 255.0f);
    EXPECT_FLOAT_EQ(b, 64.0f / 255.0f);
    EXPECT_FLOAT_EQ(a, 0.0f);
    Game::splitColour(0x123456FFUL, r, g, b, a);
    EXPECT_FLOAT_EQ(r, 0x12 / 255.0f);
    EXPECT_FLOAT_EQ(a, 1.0f);
}

TEST(GLFWInput, WheelReportsTheChangeOfItsAccumulatedPosition)
{
    struct Step
    {
        double position;
        int diff;
    };
    const std::vector<Step> steps = {
        {0.0, 0},   // the initial report
        {1.0, 1},   // one step up
        {3.0, 2},   // two steps gathered while nothing was reported
        {2.0, -1},  // one step down
        {2.5, 0},   // half steps add up ...
        {3.0, 1},   // ... to whole ones
        {-0.5, -4}, // below zero every step is still one unit wide
        {-1.0, 0},  {-1.5, -1},
    };
    int previous = 0;
    for (const Step& s : steps)
        EXPECT_EQ(Game::wheelDiff(s.position, previous), s.diff) << "at " << s.position;
}

TEST(GLFWInput, JoypadReadsShortOrMissingArraysSafely)
{
    struct Case
    {
        const char* what;
        std::vector<float> axes;
        std::vector<unsigned char> buttons;
        bool nullArrays;
        int x, y;
        std::vector<bool> pressed;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<Case> cases = {
        {"absent joystick", {}, {}, true, 0, 0, {false, false, false, false}},
        {"no axes, no buttons", {}, {}, false, 0, 0, {false, false, false, false}},
        {"one axis, two buttons",
         {1.0f},
         {GLFW_PRESS, GLFW_RELEASE},
         false,
         1,
         0,
         {true, false, false, false}},
        {"pushed up reads positive", {0.0f, -1.0f}, {}, false, 0, 1, {false, false, false, false}},
        {"pushed down reads negative", {-1.0f, 1.0f}, {}, false, -1, -1, {false, false, false, false}},
        {"short of full deflection is 0", {0.99f, -0.99f}, {}, false, 0, 0, {false, false, false, false}},
        {"out of range and not a number", {7.0f, nan}, {}, false, 1, 0, {false, false, false, false}},
        {"only the first four buttons",
         {0.0f, 0.0f, 1.0f},
         {GLFW_RELEASE, GLFW_PRESS, GLFW_PRESS, GLFW_PRESS, GLFW_PRESS},
         false,
         0,
         0,
         {false, true, true, true}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        // Copies sized exactly, so a read past the end shows under the address sanitizer.
        std::unique_ptr<float[]> axes(new float[c.axes.size()]);
        std::copy(c.axes.begin(), c.axes.end(), axes.get());
        std::unique_ptr<unsigned char[]> buttons(new unsigned char[c.buttons.size()]);
        std::copy(c.buttons.begin(), c.buttons.end(), buttons.get());

        int x = 99, y = 99;
        bool pressed[4] = {true, true, true, true};
        Game::readJoypad(c.nullArrays ? nullptr : axes.get(), static_cast<int>(c.axes.size()),
                         c.nullArrays ? nullptr : buttons.get(), static_cast<int>(c.buttons.size()), x, y,
                         pressed);
        EXPECT_EQ(x, c.x);
        EXPECT_EQ(y, c.y);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(pressed[i], c.pressed[i]) << "button " << i;
    }
}

TEST(GLFWInput, AllowedSizesAreDistinctAndOrdered)
{
    using Sizes = std::vector<std::pair<int, int>>;
    Sizes sizes = {{1, 1}};
    Game::distinctSizes(Sizes{{800, 600}, {640, 480}, {640, 480}, {1024, 768}, {800, 480}}, sizes);
    EXPECT_EQ(sizes, (Sizes{{640, 480}, {800, 480}, {800, 600}, {1024, 768}}));

    Game::distinctSizes(Sizes{{640, 480}, {0, 0}, {320, 200}}, sizes);
    EXPECT_EQ(sizes, (Sizes{{640, 480}}));

    Game::distinctSizes(Sizes{}, sizes);
    EXPECT_TRUE(sizes.empty());
}
