#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Game/I_View.h"

namespace GameTest
{
using Log = std::vector<std::string>;

// A view that writes every call into a shared log and may run an action inside a pass.
class RecordingView : public Game::I_View
{
public:
    RecordingView(const std::string& name, Log& log) : name(name), log(log) {}

    void setPause(bool paused) override { record(std::string("pause") + (paused ? "1" : "0")); }
    void setScreenSize(int width, int height) override
    {
        record("size" + std::to_string(width) + "x" + std::to_string(height));
    }
    void preUpdate(float) override { record("pre"); }
    void onUpdate(float) override
    {
        record("update");
        if (onUpdateAction)
            onUpdateAction();
    }
    void onRender() override { record("render"); }
    EVT::I_Event* onInput(EVT::I_Event* event) override
    {
        record("input");
        return consumes ? nullptr : event;
    }
    Geom::Rect<int> getViewBox() const override { return Geom::Rect<int>(); }

    void record(const std::string& what) { log.push_back(name + "." + what); }

    std::string name;
    Log& log;
    bool consumes = false;
    std::function<void()> onUpdateAction;
};
} // namespace GameTest
