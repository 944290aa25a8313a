#pragma once

#include <set>
#include <string>
#include <vector>

#include "input/I_RelativeScreenAreaFactory.h"
#include "input/I_ScreenAreaRenderer.h"
#include "input/ScreenArea.h"

namespace InputTest
{
// A renderer that records what it is asked and answers a fixed input box.
class RecordingRenderer : public Input::I_ScreenAreaRenderer
{
public:
    struct Drawn
    {
        Geom::Rect<float> rect;
        Input::I_ScreenArea::RenderInfo info;
        std::string model;
        std::string material;
    };

    RecordingRenderer()
    {
        box.x = 0;
        box.y = 0;
        box.w = 1000;
        box.h = 1000;
    }

    bool init(const std::set<std::string>& models, const std::set<std::string>& materials) override
    {
        ++initCalls;
        modelNames = models;
        materialNames = materials;
        return initResult;
    }
    void setUsedBy(const std::string& controller, bool used) override
    {
        usedBy.push_back(controller + (used ? ":used" : ":unused"));
    }
    Geom::Rect<int> getInputBox() const override { return box; }
    void startRender() override
    {
        ++starts;
        drawn.clear();
    }
    void stopRender() override { ++stops; }
    void draw(const Geom::Rect<float>& rect, const Input::I_ScreenArea::RenderInfo& info,
              const std::string& model, const std::string& material) override
    {
        drawn.push_back(Drawn{rect, info, model, material});
    }

    Geom::Rect<int> box;
    bool initResult = true;
    int initCalls = 0;
    std::set<std::string> modelNames;
    std::set<std::string> materialNames;
    std::vector<std::string> usedBy;
    int starts = 0;
    int stops = 0;
    std::vector<Drawn> drawn;
};

inline Input::ScreenArea* makeArea(const std::string& name, float x, float y, float w, float h)
{
    Input::ScreenArea* area = new Input::ScreenArea(name);
    Geom::Rect<float> rect;
    rect.x = x;
    rect.y = y;
    rect.w = w;
    rect.h = h;
    area->setRect(rect);
    return area;
}
} // namespace InputTest
