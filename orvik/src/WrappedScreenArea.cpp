#include "orvik/src/WrappedScreenArea.h"

#include "input/I_ScreenAreaRenderer.h"

namespace Orvik
{
WrappedScreenArea::WrappedScreenArea(Input::I_ScreenArea* configured)
    : Util::NamedObject(configured->name), area(configured), rect{0.0f, 0.0f, 0.0f, 0.0f}
{
    setAreaModel(area->getAreaModel());
    setHighLightModel(area->getHighLightModel());
    setAreaMaterial(area->getAreaMaterial());
    setHighLightMaterial(area->getHighLightMaterial());
}

WrappedScreenArea::~WrappedScreenArea()
{
    delete area;
}

void WrappedScreenArea::setRect(const Geom::Rect<float>& configured)
{
    area->setRect(configured);
}

bool WrappedScreenArea::contains(float x, float y) const
{
    const Geom::Rect<float>& r = getRect();
    return r.x <= x && x < r.x + r.w && r.y <= y && y < r.y + r.h;
}

void WrappedScreenArea::render(Input::I_ScreenAreaRenderer* renderer, const RenderInfo& info) const
{
    if (renderer == nullptr)
        return;
    if (info.isCurrentArea)
        renderer->draw(getRect(), info, area->getHighLightModel(), area->getHighLightMaterial());
    else
        renderer->draw(getRect(), info, area->getAreaModel(), area->getAreaMaterial());
}
} // namespace Orvik
