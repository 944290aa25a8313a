#pragma once

#include <set>
#include <string>

#include "geometry/Rect.h"
#include "input/I_ScreenArea.h"

namespace Input
{
// Draws the screen areas of every input context; the game implements it and keeps it, so nothing here
// ever deletes one.
class I_ScreenAreaRenderer
{
public:
    // Loads what the names denote (neither set holds the empty name); false fails the input file.
    virtual bool init(const std::set<std::string>& modelNames,
                      const std::set<std::string>& materialNames) = 0;
    // Told by each input controller, on every activation change, its name and whether it is active.
    virtual void setUsedBy(const std::string& controllerName, bool used) = 0;
    // The input box in window pixels; area rectangles are percents of it.
    virtual Geom::Rect<int> getInputBox() const = 0;
    virtual void startRender() = 0;
    virtual void stopRender() = 0;
    virtual void draw(const Geom::Rect<float>& percentRect, const I_ScreenArea::RenderInfo& info,
                      const std::string& modelName, const std::string& materialName) = 0;

protected:
    ~I_ScreenAreaRenderer() = default;
};
} // namespace Input
