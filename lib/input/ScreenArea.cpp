#include "input/ScreenArea.h"

#include "input/I_ScreenAreaRenderer.h"

namespace Input
{
ScreenArea::ScreenArea(const std::string& areaName) : Util::NamedObject(areaName), I_ScreenArea(), rect() {}

bool ScreenArea::contains(float x, float y) const
{
    return rect.x <= x && x < rect.x + rect.w && rect.y <= y && y < rect.y + rect.h;
}

void ScreenArea::render(I_ScreenAreaRenderer* renderer, const RenderInfo& info) const
{
    if (renderer == nullptr)
        return;
    const std::string& material = info.isCurrentArea ? getHighLightMaterial() : getAreaMaterial();
    const std::string& model = info.isCurrentArea ? getHighLightModel() : getAreaModel();
    renderer->draw(rect, info, model, material);
}
} // namespace Input
