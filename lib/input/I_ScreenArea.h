#pragma once

#include <string>

#include "geometry/Rect.h"
#include "input/SwitchRenderInfo.h"
#include "util/NamedObject.h"

namespace Input
{
class I_ScreenAreaRenderer;

// A named rectangle in percent of an input box, with the names of the models and materials it is drawn
// with. Switches refer to an area by its name, which the most derived class gives the virtual base.
class I_ScreenArea : public virtual Util::NamedObject
{
public:
    struct RenderInfo
    {
        SwitchRenderInfo::Entry press;
        SwitchRenderInfo::Entry hold;
        SwitchRenderInfo::Entry release;
        bool isCurrentArea;
    };

    virtual ~I_ScreenArea() = default;

    virtual void setName(const std::string& newName) { name = newName; }
    virtual void setAreaModel(const std::string& model) { areaModel = model; }
    virtual void setAreaMaterial(const std::string& material) { areaMaterial = material; }
    virtual void setHighLightModel(const std::string& model) { highLightModel = model; }
    virtual void setHighLightMaterial(const std::string& material) { highLightMaterial = material; }
    virtual const std::string& getAreaModel() const { return areaModel; }
    virtual const std::string& getAreaMaterial() const { return areaMaterial; }
    virtual const std::string& getHighLightModel() const { return highLightModel; }
    virtual const std::string& getHighLightMaterial() const { return highLightMaterial; }

    virtual void setRect(const Geom::Rect<float>& rect) = 0;
    // The point in percent of the input box.
    virtual bool contains(float x, float y) const = 0;
    virtual const Geom::Rect<float>& getRect() const = 0;
    virtual void render(I_ScreenAreaRenderer* renderer, const RenderInfo& info) const = 0;

protected:
    // Only the most derived class's initialisation of the virtual base counts.
    I_ScreenArea() : Util::NamedObject("") {}
    I_ScreenArea(const I_ScreenArea&) = default;
    I_ScreenArea& operator=(const I_ScreenArea&) = default;

private:
    std::string areaModel;
    std::string areaMaterial;
    std::string highLightModel;
    std::string highLightMaterial;
};
} // namespace Input
