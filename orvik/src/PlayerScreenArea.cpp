#include "orvik/src/PlayerScreenArea.h"

#include "CFG/CFG.h"
#include "orvik/src/GameMaze.h"
#include "orvik/src/GameView.h"
#include "orvik/src/Player.h"
#include "util/NumUtil.h"

namespace Orvik
{
PlayerScreenArea::PlayerScreenArea(const GameView* gameView, Input::I_ScreenArea* configured)
    : Util::NamedObject(configured->name), WrappedScreenArea(configured), view(gameView),
      boxWidthPer(CFG::parser()->getNumber<int>("PLAYER_BOX_WIDTH_PER")),
      boxHeightPer(CFG::parser()->getNumber<int>("PLAYER_BOX_HEIGHT_PER"))
{
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
} // namespace Orvik
