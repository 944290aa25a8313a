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
    // The largest window side.
    static constexpr int MAX_WINDOW_SIDE = 16384;

    // Opens the window; a width and height of 0 both mean the desktop's size, and a negative size counts
    // as 0. A window or context that cannot be made, or a side past MAX_WINDOW_SIDE, is a fatal fault.
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
    GLFWwindow* window;
};
} // namespace Game
