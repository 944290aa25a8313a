#pragma once

#include <utility>
#include <vector>

namespace Game
{
// The program's window with its frame loop and clock.
class I_WindowApp
{
public:
    I_WindowApp(unsigned long clearColor, bool clearEnabled)
        : clearColor(clearColor), clearEnabled(clearEnabled)
    {
    }
    virtual ~I_WindowApp() = default;

    // Answers false when the window cannot be used.
    virtual bool initWindowApp() = 0;
    // Returns after SHUTDOWN, at the end of the frame in progress.
    virtual void run() = 0;
    virtual void getAllowedSizes(std::vector<std::pair<int, int>>& sizes) = 0;
    virtual void setSize(const std::pair<int, int>& size) = 0;
    // Seconds since the window library started.
    virtual double getTime() const = 0;
    // The next frame's elapsed time is 0.
    virtual void resetTime() = 0;
    virtual void showWindow() = 0;
    // colour is 0xRRGGBBAA.
    virtual void clearWindow(unsigned long colour) = 0;
    virtual void setClearColor(unsigned long colour) { clearColor = colour; }
    virtual void setClearWindow(bool clear) { clearEnabled = clear; }

    // The colour a frame is cleared with, 0xRRGGBBAA, and whether a drawn frame is cleared first.
    unsigned long clearColor;
    bool clearEnabled;
};
} // namespace Game
