#include "orvik/src/PlayerScreenArea.h"

#include "CFG/CFG.h"
#include "input/I_ScreenAreaRenderer.h"
#include "orvik/src/GameMaze.h"
#include "orvik/src/GameView.h"
#include "orvik/src/Player.h"
#include "util/NumUtil.h"

namespace Orvik
{
PlayerScreenArea::PlayerScreenArea(const GameView* gameView, Input::I_ScreenArea* configured)
    : Util::NamedObject(configured->name), view(gameView), area(configured),
      boxWidthPer(CFG::parser()->getNumber<int>("PLAYER_BOX_WIDTH_PER")),
      boxHeightPer(CFG::parser()->getNumber<int>("PLAYER_BOX_HEIGHT_PER"))
{
    setAreaModel(area->getAreaModel());
    setHighLightModel(area->getHighLightModel());
    setAreaMaterial(area->getAreaMaterial());
    setHighLightMaterial(area->getHighLightMaterial());
}

PlayerScreenArea::~PlayerScreenArea()
{
    delete area;
}

void PlayerScreenArea::setRect(const Geom::Rect<float>& configured)
{
    area->setRect(configured);
}

const Geom::Rect<float>& PlayerScreenArea::getRect() const
{
    int px = 0;
    int py = 0;
    view->getPlayer()->getPos(px, py);
    const MathStuff::Orientation<float> room = view->getMaze()->getViewPos(px, py);
    const Geom::Rect<int> box = view->getViewBox();
    const float sx = static_cast<float>(box.x) + room.position.x;
    const float sy = static_cast<float>(box.y) + room.position.y;
    int screenWidth = 0;
    int screenHeight = 0;
    view->getScreenSize(screenWidth, screenHeight);
    float xp = 100.0f * sx / static_cast<float>(screenWidth);
    float yp = 100.0f - 100.0f * sy / static_cast<float>(screenHeight);
    const Geom::Rect<float>& configured = area->getRect();
    xp += configured.x;
    yp += configured.y;
    rect.w = configured.w != 0.0f ? configured.w : static_cast<float>(boxWidthPer);
    rect.h = configured.h != 0.0f ? configured.h : static_cast<float>(boxHeightPer);
    rect.x = Util::CLAMP(xp, 0.0f, 100.0f - rect.w);
    rect.y = Util::CLAMP(yp, 0.0f, 100.0f - rect.h);
    return rect;
}

bool PlayerScreenArea::contains(float x, float y) const
{
    const Geom::Rect<float>& r = getRect();
    return r.x <= x && x < r.x + r.w && r.y <= y && y < r.y + r.h;
}

void PlayerScreenArea::render(Input::I_ScreenAreaRenderer* renderer, const RenderInfo& info) const
{
    if (renderer == nullptr)
        return;
    if (info.isCurrentArea)
        renderer->draw(getRect(), info, area->getHighLightModel(), area->getHighLightMaterial());
    else
        renderer->draw(getRect(), info, area->getAreaModel(), area->getAreaMaterial());
}
} // namespace Orvik
