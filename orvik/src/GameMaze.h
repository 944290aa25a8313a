#pragma once

#include <utility>
#include <vector>

#include "maths/Orientation.h"
#include "orvik/src/GameGraphics.h"
#include "util/NonCopyable.h"

namespace Game
{
class I_View;
} // namespace Game

namespace Maze
{
class MazeData;
class Node;
} // namespace Maze

namespace Render
{
class I_RenderQueue;
} // namespace Render

namespace RNG
{
class I_Random;
} // namespace RNG

namespace Orvik
{
// One level's maze: generated at the size configured for the level, laid out on a half grid of
// (2W + 1) by (2H + 1) points inside the game view's box (rooms at odd points, posts at even ones, walls
// between) and drawn from there. Cells count x from the left and y from the bottom.
class GameMaze : private Util::NonCopyable<GameMaze>
{
public:
    enum Direction
    {
        DIR_NONE = 0,
        DIR_UP,
        DIR_DOWN,
        DIR_LEFT,
        DIR_RIGHT
    };

    // A half-grid point (gx, gy).
    using GridPoint = std::pair<int, int>;

    // The most cells a level may have. A generated level holds about 230 bytes a cell, so the largest
    // takes some 230 MB on top of the game's own hundred.
    static constexpr long long MAX_CELLS = 1000000;

    // Levels count from 0; random is borrowed. A configuration that gives no maze ends the program.
    GameMaze(int level, const Game::I_View* view, RNG::I_Random* random);
    virtual ~GameMaze();

    // Posts, walls and the treasure.
    virtual void onRender();
    virtual void getStartLoc(int& x, int& y) const;
    virtual void getEndLoc(int& x, int& y) const;
    // The open exits of a cell in the order down, up, right, left; none for a cell outside the maze.
    virtual void getExits(std::vector<Direction>& out, int x, int y) const;
    virtual void drawInRoom(GameGraphics::Graphic graphic, int x, int y);
    // In the room and in its doorway towards dir.
    virtual void drawLeavingRoom(GameGraphics::Graphic graphic, int x, int y, Direction dir);
    // The cell under a point in pixels from the top left corner of the drawn maze, y downward; x and y
    // are written in every case, the answer says whether they name a cell.
    virtual bool getMazeXY(int px, int py, int& x, int& y) const;
    // Fits the half steps to the view's box.
    virtual void setWallSizes();

    // The placement of the room of cell (x, y).
    MathStuff::Orientation<float> getViewPos(int x, int y) const;
    // The placement of any half-grid point.
    MathStuff::Orientation<float> getGridPos(int gx, int gy) const;
    // Every post and wall piece in drawing order: each post once, each closed wall once.
    void getWallPoints(std::vector<GridPoint>& out) const;
    void getSize(int& width, int& height) const;
    float getHalfWidth() const { return halfWidth; }
    float getHalfHeight() const { return halfHeight; }

    // The cell one step away in a direction (the same cell for DIR_NONE).
    static void step(Direction dir, int& x, int& y);
    static Direction opposite(Direction dir);

private:
    void build(int level, RNG::I_Random* random);
    void setEndRoom();
    void drawAt(GameGraphics::Graphic graphic, int gx, int gy);

    const Game::I_View* view;
    Render::I_RenderQueue* renderQueue;
    GameGraphics* graphics;
    Maze::MazeData* mazeData;
    std::vector<Maze::Node*> nodes;
    float halfWidth;
    float halfHeight;
    float wallZ;
    int width;
    int height;
};
} // namespace Orvik
