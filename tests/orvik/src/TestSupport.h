#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CFG/CFG.h"
#include "Game/I_View.h"
#include "util/NonCopyable.h"

namespace OrvikTest
{
// Sets configuration keys through the override store for one test and forgets them afterwards.
class Config : private Util::NonCopyable<Config>
{
public:
    explicit Config(const std::map<std::string, std::string>& keys = {})
    {
        CFG::getDefaultOverrides()->reset();
        for (const auto& key : keys)
            set(key.first, key.second);
    }
    ~Config() { CFG::getDefaultOverrides()->reset(); }

    void set(const std::string& key, const std::string& value)
    {
        CFG::getDefaultOverrides()->add(key, value);
    }
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
