#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CFG/CFG.h"
#include "Game/I_View.h"
#include "events/EventBus.h"
#include "events/EventWithString.h"
#include "events/Event_Sound.h"
#include "events/I_EventConsumer.h"

namespace OrvikTest
{
// Sets configuration keys through the override store for one test and forgets them afterwards.
class Config
{
public:
    explicit Config(const std::map<std::string, std::string>& keys = {})
    {
        CFG::getDefaultOverrides()->reset();
        for (const auto& key : keys)
            set(key.first, key.second);
    }
    ~Config() { CFG::getDefaultOverrides()->reset(); }
    Config(const Config&) = delete;
    Config& operator=(const Config&) = delete;

    void set(const std::string& key, const std::string& value) { CFG::getDefaultOverrides()->add(key, value); }
};

// Notes every event of the types it listens to: its type, and its text where it carries one.
class EventLog : public EVT::I_EventConsumer
{
public:
    explicit EventLog(const std::vector<int>& types)
    {
        for (int type : types)
            EVT::EventBus::instance().addConsumer(type, this);
    }
    void handleEvent(EVT::I_Event* event) override
    {
        std::string entry = std::to_string(event->getType());
        if (const EVT::EventWithString* text = EVT::eventAs<EVT::EventWithString>(event))
            entry += ":" + text->getString();
        entries.push_back(entry);
    }
    std::vector<std::string> entries;
};

// A view with a fixed box.
class BoxView : public Game::I_View
{
public:
    BoxView(int x, int y, int width, int height) { box = Geom::Rect<int>{x, y, width, height}; }
    void setPause(bool) override {}
    void setScreenSize(int, int) override {}
    void preUpdate(float) override {}
    void onUpdate(float) override {}
    void onRender() override {}
    EVT::I_Event* onInput(EVT::I_Event* event) override { return event; }
    Geom::Rect<int> getViewBox() const override { return box; }
    Geom::Rect<int> box;
};
} // namespace OrvikTest
