#pragma once

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "events/EventBus.h"
#include "events/EventStrings.h"
#include "events/EventWithString.h"
#include "events/I_EventConsumer.h"
#include "input/I_RelativeScreenAreaFactory.h"
#include "input/I_ScreenAreaRenderer.h"
#include "input/ScreenArea.h"
#include "util/Singleton.h"

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

// Records the events of the types it listens to as "NAME:text" (text only for string events).
class EventRecorder : public EVT::I_EventConsumer
{
public:
    explicit EventRecorder(const std::vector<int>& types)
    {
        for (int type : types)
            Util::Singleton<EVT::EventBus>::instance().addConsumer(type, this);
    }
    void handleEvent(EVT::I_Event* event) override
    {
        std::ostringstream out;
        out << Util::Singleton<EVT::EventStrings>::instance().mapping().getName(event->getType());
        if (const EVT::EventWithString* text = EVT::eventAs<EVT::EventWithString>(event))
            out << ":" << text->getString();
        events.push_back(out.str());
    }
    std::vector<std::string> take()
    {
        std::vector<std::string> result;
        result.swap(events);
        return result;
    }

    std::vector<std::string> events;
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
