#pragma once

#include <utility>
#include <vector>

#include "Game/I_WindowApp.h"
#include "events/I_EventConsumer.h"
#include "util/NonCopyable.h"

struct GLFWwindow;

namespace Game
{
// The program's one window with its OpenGL context, over GLFW. It runs the frame loop (focus changes,
// joysticks, PRE_UPDATE, UPDATE and RENDER each frame), keeps the game clock, and turns the window
// library's callbacks into KEY, MOUSE, SCREEN and SHUTDOWN events. Only one may exist at a time.
class GLFWApp : public I_WindowApp, public EVT::I_EventConsumer, private Util::NonCopyable<GLFWApp>
{
public:
    // Opens the window; a width and height of 0 both mean the desktop's size, and a negative size counts
    // as 0. A window or context that cannot be made is a fatal fault.
    GLFWApp(const char* title, int width, int height, bool fullScreen, unsigned long clearColor,
            bool clearWindow, float gameSpeed);
    ~GLFWApp() override;

    bool initWindowApp() override;
    void run() override;
    void getAllowedSizes(std::vector<std::pair<int, int>>& sizes) override;
    void setSize(const std::pair<int, int>& size) override;
    double getTime() const override;
    void resetTime() override;
    // Swaps the buffers and then runs the input and window callbacks.
    void showWindow() override;
    void clearWindow(unsigned long colour) override;

    void handleEvent(EVT::I_Event* event) override;

    GLFWwindow* getWindow() const { return window; }

    // Game milliseconds per real millisecond.
    float gameSpeed;

private:
    friend void DrawFunc();
    friend void checkJoysticks();
    friend int getWheelDiff();
    friend void MouseWheelFunc(GLFWwindow* window, double xOffset, double yOffset);

    GLFWwindow* window;
    // The wheel's position: every offset the library reported, added up, up positive.
    double wheelPosition;
    // The whole wheel steps last reported.
    int prevWheelPos;
    // The library's time of the previous frame, in seconds.
    double lastCount;
    std::vector<int> joysticks;
    bool lookedForJoysticks;
};

// The process-wide state that the callbacks share with the one application.
extern GLFWApp* g_app;
extern bool g_exitApp;
extern bool g_resetTime;
extern bool g_mouseAtv;

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
} // namespace Game
