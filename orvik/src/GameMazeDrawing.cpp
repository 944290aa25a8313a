#include "orvik/src/GameMaze.h"

#include "MatSys/Material.h"
#include "models/Model.h"
#include "models/ModelMatPair.h"

namespace Orvik
{
void GameMaze::onRender()
{
    const ModelSys::ModelMatPair& wall = graphics->get(GameGraphics::WALL);
    wall.material->beginUsing();
    setWallSizes();
    std::vector<GridPoint> points;
    getWallPoints(points);
    // Posts and walls are one model under the wall material, bound once for all of them.
    for (const GridPoint& point : points)
        wall.model->display(renderQueue, getGridPos(point.first, point.second), nullptr);
    wall.material->endUsing();
    int endX = 0;
    int endY = 0;
    getEndLoc(endX, endY);
    drawAt(GameGraphics::TREASURE, 2 * endX + 1, 2 * endY + 1);
}

void GameMaze::drawInRoom(GameGraphics::Graphic graphic, int x, int y)
{
    drawAt(graphic, 2 * x + 1, 2 * y + 1);
}

void GameMaze::drawLeavingRoom(GameGraphics::Graphic graphic, int x, int y, Direction dir)
{
    drawInRoom(graphic, x, y);
    if (dir < DIR_UP || dir > DIR_RIGHT)
        return;
    // The doorway is one half step from the room's point.
    int gx = 2 * x + 1;
    int gy = 2 * y + 1;
    step(dir, gx, gy);
    drawAt(graphic, gx, gy);
}

void GameMaze::drawAt(GameGraphics::Graphic graphic, int gx, int gy)
{
    const ModelSys::ModelMatPair& piece = graphics->get(graphic);
    piece.model->display(renderQueue, getGridPos(gx, gy), piece.material);
}
} // namespace Orvik
