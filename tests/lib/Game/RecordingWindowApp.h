#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Game/I_WindowApp.h"

namespace GameTest
{
// A window application without a window: it records what the game manager asks of it.
class RecordingWindowApp : public Game::I_WindowApp
{
public:
    RecordingWindowApp(std::vector<std::string>& log) : I_WindowApp(0x11223344UL, true), log(log) {}

    bool initWindowApp() override
    {
        log.push_back("app.init");
        if (onInit)
            onInit();
        return initResult;
    }
    void run() override
    {
        log.push_back("app.run");
        if (onRun)
            onRun();
    }
    void getAllowedSizes(std::vector<std::pair<int, int>>&) override {}
    void setSize(const std::pair<int, int>&) override {}
    double getTime() const override { return 12.5; }
    void resetTime() override { log.push_back("app.resetTime"); }
    void showWindow() override { log.push_back("app.show"); }
    void clearWindow(unsigned long colour) override { log.push_back("app.clear" + std::to_string(colour)); }

    std::vector<std::string>& log;
    bool initResult = true;
    std::function<void()> onInit;
    std::function<void()> onRun;
};
} // namespace GameTest
