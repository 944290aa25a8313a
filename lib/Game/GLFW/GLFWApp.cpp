#include "Game/GLFW/GLFWApp.h"

#include <algorithm>
#include <vector>

#include "Render/OpenGL.h"
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "Game/GLFW/GLFWInput.h"
#include "events/EventTypes.h"
#include "events/Event.h"
#include "events/EventBus.h"
#include "events/Event_EnterLeave.h"
#include "events/Event_Joypad.h"
#include "events/Event_Key.h"
#include "events/Event_Mouse.h"
#include "events/Event_PreUpdate.h"
#include "events/Event_Screen.h"
#include "events/Event_SetMouse.h"
#include "events/Event_Update.h"
#include "util/Debug.h"

namespace Game
{
namespace
{
// The process-wide state that the window library's callbacks and the frame loop share with the one
// application; its constructor starts it afresh.
GLFWApp* g_app = nullptr;
bool g_exitApp = false;
bool g_resetTime = false;
bool g_mouseAtv = true;
// The wheel's position: every offset the library reported, added up, up positive.
double g_wheelPosition = 0.0;
// The whole wheel steps last reported.
int g_prevWheelPos = 0;
// The library's time of the previous frame, in seconds.
double l_lastCount = 0.0;
std::vector<int> l_joysticks;
bool l_lookedForJoysticks = false;

// Steps of the frame loop: the clock with the three frame events, and the joystick reports.
void DrawFunc();
void checkJoysticks();
// The wheel's change since the last report.
int getWheelDiff();

// The callbacks installed in the window library.
void KeyFunc(GLFWwindow* window, int key, int scancode, int action, int mods);
void MouseMotionFunc(GLFWwindow* window, double x, double y);
void MouseButtonFunc(GLFWwindow* window, int button, int action, int mods);
void MouseWheelFunc(GLFWwindow* window, double xOffset, double yOffset);
void ReshapeFunc(GLFWwindow* window, int width, int height);
void WindowCloseFunc(GLFWwindow* window);

// The library numbers joysticks 0 to 15.
const int JOYSTICK_COUNT = 16;

void raise(EVT::I_Event& event)
{
    EVT::EventBus::instance().raiseEvent(&event, false);
}

void raiseScreen(int width, int height)
{
    EVT::Event_Screen screen(EVT::EVENT_SCREEN, nonZeroSize(width), nonZeroSize(height));
    raise(screen);
}

void raiseMouse(int wheelDelta, int button, bool pressed)
{
    double x = 0.0;
    double y = 0.0;
    glfwGetCursorPos(g_app->getWindow(), &x, &y);
    EVT::Event_Mouse mouse(EVT::EVENT_MOUSE, static_cast<int>(x), static_cast<int>(y), wheelDelta, button,
                           pressed);
    raise(mouse);
}

// The library calls a size or pointer handler only on a change; the frame loop expects to hear the
// current values when the handlers are installed.
void reportWindowSize(GLFWwindow* window)
{
    int width = 0;
    int height = 0;
    glfwGetWindowSize(window, &width, &height);
    ReshapeFunc(window, width, height);
}

void reportPointer(GLFWwindow* window)
{
    double x = 0.0;
    double y = 0.0;
    glfwGetCursorPos(window, &x, &y);
    MouseMotionFunc(window, x, y);
}
} // namespace

GLFWApp::GLFWApp(const char* title, int width, int height, bool fullScreen, unsigned long clearColor,
                 bool clearWindow, float gameSpeed)
    : I_WindowApp(clearColor, clearWindow), gameSpeed(gameSpeed), window(nullptr)
{
    if (g_app)
        ABORT("A second window application while one exists");
    g_app = this;
    g_exitApp = false;
    g_resetTime = false;
    g_mouseAtv = true;
    g_wheelPosition = 0.0;
    g_prevWheelPos = 0;
    l_lastCount = 0.0;
    l_joysticks.clear();
    l_lookedForJoysticks = false;

    // Hats are not buttons here: the first four buttons are the joypad's own.
    glfwInitHint(GLFW_JOYSTICK_HAT_BUTTONS, GLFW_FALSE);
    if (!glfwInit())
        ABORT("Failed to init window");

    // The window library stops the process on a negative size: such a size counts as empty.
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == 0 && height == 0)
    {
        GLFWmonitor* monitor = glfwGetPrimaryMonitor();
        const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
        if (mode)
        {
            width = mode->width;
            height = mode->height;
        }
    }

    // Every OpenGL 4 driver draws a viewport of 16384 pixels a side; past that a window could not be
    // filled, and with a software renderer its first picture can be more than the window system carries,
    // which ends the process inside the window library.
    if (width > MAX_WINDOW_SIDE || height > MAX_WINDOW_SIDE)
    {
        glfwTerminate();
        ABORT("Failed to init window");
    }
    glfwWindowHint(GLFW_DEPTH_BITS, 24);
    glfwWindowHint(GLFW_STENCIL_BITS, 0);
    // The library refuses an empty window; such a size is reported as 1 anyway.
    window = glfwCreateWindow(nonZeroSize(width), nonZeroSize(height), title,
                              fullScreen ? glfwGetPrimaryMonitor() : nullptr, nullptr);
    if (!window)
    {
        glfwTerminate();
        ABORT("Failed to init window");
    }
    glfwMakeContextCurrent(window);
    if (glewInit() != GLEW_OK)
    {
        glfwDestroyWindow(window);
        glfwTerminate();
        ABORT("Failed to init window");
    }

    glfwSetWindowCloseCallback(window, WindowCloseFunc);
    raiseScreen(width, height);
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_NORMAL);
    raiseScreen(width, height);
}

GLFWApp::~GLFWApp()
{
    g_app = nullptr;
    if (window)
        glfwDestroyWindow(window);
    glfwTerminate();
    EVT::EventBus::instance().removeConsumer(this);
}

bool GLFWApp::initWindowApp()
{
    if (!window)
        return false;

    glfwSetWindowSizeCallback(window, ReshapeFunc);
    reportWindowSize(window);
    // A held key gives one press and one release: repeats are dropped in KeyFunc, and the modifier
    // bits come with each report, so keys are not made sticky.
    glfwSetInputMode(window, GLFW_STICKY_KEYS, GLFW_FALSE);
    glfwSetKeyCallback(window, KeyFunc);
    glfwSetCursorPosCallback(window, MouseMotionFunc);
    reportPointer(window);
    glfwSetMouseButtonCallback(window, MouseButtonFunc);
    glfwSetScrollCallback(window, MouseWheelFunc);
    MouseWheelFunc(window, 0.0, 0.0);

    g_mouseAtv = true;

    EVT::EventBus& bus = EVT::EventBus::instance();
    bus.addConsumer(EVT::EVENT_SHUTDOWN, this);
    bus.addConsumer(EVT::EVENT_SETMOUESE, this);
    return true;
}

void GLFWApp::run()
{
    bool previousActive = glfwGetWindowAttrib(window, GLFW_FOCUSED) == GLFW_TRUE;
    while (!g_exitApp)
    {
        bool active = glfwGetWindowAttrib(window, GLFW_FOCUSED) == GLFW_TRUE;
        if (active != previousActive)
        {
            g_mouseAtv = active;
            EVT::Event_EnterLeave enterLeave(EVT::EVENT_ENTERLEAVE, active);
            raise(enterLeave);
        }
        previousActive = active;

        checkJoysticks();
        DrawFunc();
    }
    glfwSetKeyCallback(window, nullptr);
    glfwSetCursorPosCallback(window, nullptr);
    glfwSetMouseButtonCallback(window, nullptr);
}

void GLFWApp::getAllowedSizes(std::vector<std::pair<int, int>>& sizes)
{
    std::vector<std::pair<int, int>> modes;
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    int count = 0;
    const GLFWvidmode* list = monitor ? glfwGetVideoModes(monitor, &count) : nullptr;
    for (int i = 0; list && i < count; ++i)
        modes.emplace_back(list[i].width, list[i].height);
    distinctSizes(modes, sizes);
}

void GLFWApp::setSize(const std::pair<int, int>& size)
{
    // An empty window is refused by the window system, and the window library stops the process on a
    // negative size: both become 1, which is what SCREEN reports for an empty size anyway.
    int width = nonZeroSize(std::max(size.first, 0));
    int height = nonZeroSize(std::max(size.second, 0));
    glfwSetWindowSize(window, width, height);
    raiseScreen(width, height);
}

double GLFWApp::getTime() const
{
    return glfwGetTime();
}

void GLFWApp::resetTime()
{
    g_resetTime = true;
}

void GLFWApp::showWindow()
{
    glfwSwapBuffers(window);
    glfwPollEvents();
}

void GLFWApp::clearWindow(unsigned long colour)
{
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    float alpha = 0.0f;
    splitColour(colour, red, green, blue, alpha);
    glClearColor(red, green, blue, alpha);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void GLFWApp::handleEvent(EVT::I_Event* event)
{
    if (event->getType() == EVT::EVENT_SHUTDOWN)
    {
        g_exitApp = true;
        return;
    }
    if (event->getType() != EVT::EVENT_SETMOUESE)
        return;
    // Only the mouse device's own event carries a position; a configured action raised under this
    // type is a string event and is ignored.
    const EVT::Event_SetMouse* setMouse = EVT::eventAs<EVT::Event_SetMouse>(event);
    if (!setMouse)
        return;

    int x = setMouse->getWarpX();
    int y = setMouse->getWarpY();
    bool warp = x != -1 && y != -1;
    // Moving the pointer must not report itself; the new position is reported once, below.
    glfwSetCursorPosCallback(window, nullptr);
    switch (setMouse->getCursorMode())
    {
    case EVT::Event_SetMouse::CURSOR_SHOW:
        glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_NORMAL);
        if (warp)
            glfwSetCursorPos(window, x, y);
        break;
    case EVT::Event_SetMouse::CURSOR_HIDE:
        if (warp)
            glfwSetCursorPos(window, x, y);
        glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
        break;
    default:
        glfwSetCursorPos(window, x, y);
        break;
    }
    glfwSetCursorPosCallback(window, MouseMotionFunc);
    reportPointer(window);
}

namespace
{
void DrawFunc()
{
    double now = glfwGetTime();
    if (g_resetTime)
    {
        l_lastCount = now;
        g_resetTime = false;
    }
    float elapsed = static_cast<float>(1000.0 * g_app->gameSpeed * (now - l_lastCount));

    EVT::Event_PreUpdate preUpdate(EVT::EVENT_PRE_UPDATE, elapsed);
    raise(preUpdate);
    EVT::Event_Update update(EVT::EVENT_UPDATE, elapsed);
    raise(update);
    l_lastCount = now;

    glPushMatrix();
    EVT::EventBus::instance().raiseEvent(EVT::EVENT_RENDER, false);
    glPopMatrix();
}

void checkJoysticks()
{
    if (!l_lookedForJoysticks)
    {
        for (int n = 0; n < JOYSTICK_COUNT; ++n)
        {
            if (glfwJoystickPresent(GLFW_JOYSTICK_1 + n))
                l_joysticks.push_back(n);
        }
        l_lookedForJoysticks = true;
    }
    for (int n : l_joysticks)
    {
        int axisCount = 0;
        int buttonCount = 0;
        const float* axes = glfwGetJoystickAxes(GLFW_JOYSTICK_1 + n, &axisCount);
        const unsigned char* buttons = glfwGetJoystickButtons(GLFW_JOYSTICK_1 + n, &buttonCount);
        int axisX = 0;
        int axisY = 0;
        bool pressed[4] = {false, false, false, false};
        readJoypad(axes, axisCount, buttons, buttonCount, axisX, axisY, pressed);
        EVT::Event_Joypad joypad(EVT::EVENT_JOYPAD, n, axisX, axisY, pressed[0], pressed[1], pressed[2],
                                 pressed[3]);
        raise(joypad);
    }
}

int getWheelDiff()
{
    return wheelDiff(g_wheelPosition, g_prevWheelPos);
}

void KeyFunc(GLFWwindow*, int key, int, int action, int mods)
{
    if (action == GLFW_REPEAT)
        return;
    unsigned char code = translateKey(key);
    if (code == 0)
        return;
    EVT::Event_Key event(EVT::EVENT_KEY, code, action == GLFW_PRESS, translateModifiers(mods));
    raise(event);
}

void MouseMotionFunc(GLFWwindow*, double x, double y)
{
    if (!g_mouseAtv)
        return;
    EVT::Event_Mouse event(EVT::EVENT_MOUSE, static_cast<int>(x), static_cast<int>(y), 0, 0, false);
    raise(event);
}

void MouseButtonFunc(GLFWwindow*, int button, int action, int)
{
    if (!g_mouseAtv)
        return;
    raiseMouse(0, translateMouseButton(button), action != GLFW_RELEASE);
}

void MouseWheelFunc(GLFWwindow*, double, double yOffset)
{
    // Turns made while the window is inactive still count: the next report carries them.
    g_wheelPosition += yOffset;
    if (!g_mouseAtv)
        return;
    raiseMouse(getWheelDiff(), 0, false);
}

void ReshapeFunc(GLFWwindow*, int width, int height)
{
    raiseScreen(width, height);
}

void WindowCloseFunc(GLFWwindow*)
{
    // The window stays open until the application is destroyed; the loop ends after this frame.
    EVT::EventBus::instance().raiseEvent(EVT::EVENT_SHUTDOWN, false);
}
} // namespace
} // namespace Game
