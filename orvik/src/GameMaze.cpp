#include "orvik/src/GameMaze.h"

#include <string>

#include "CFG/CFG.h"
#include "Game/GameManager.h"
#include "Game/I_View.h"
#include "Render/I_RenderController.h"
#include "maze/Generator.h"
#include "maze/MazeData.h"
#include "maze/MazeHelper.h"
#include "orvik/src/Globals.h"
#include "util/Debug.h"
#include "util/StringUtil.h"

namespace Orvik
{
namespace
{
bool isYes(const std::string& key)
{
    const std::string value = CFG::get(key);
    return value == "YES" || value == "Y" || value == "1";
}

// The width and height MAZE_SIZES gives a level, and the index of the entry it took.
void readLevelSize(int level, int& width, int& height, int& index)
{
    std::vector<std::string> entries;
    Util::splitString(CFG::get("MAZE_SIZES"), " ", entries, false, true);
    if (entries.empty())
        ABORT("NO valid MAZE_SIZES parameter read");
    index = level < static_cast<int>(entries.size()) - 1 ? level : static_cast<int>(entries.size()) - 1;
    std::vector<std::string> parts;
    Util::splitString(entries[index], ",", parts, false, true);
    if (parts.size() != 2)
        ABORT("Failed to get WDITH,HEIGHT from MAZE_SIZES[" << index << "] string: " << entries[index]);
    width = Util::strToNum<int>(parts[0], 10);
    height = Util::strToNum<int>(parts[1], 10);
    // Checked before anything is made: a size past what the game can hold would fail deep in the generator.
    if (width < 2 || height < 2 || static_cast<long long>(width) * height > GameMaze::MAX_CELLS)
        ABORT("Maze size " << width << "x" << height << " for level " << index << " invalid");
}
} // namespace

GameMaze::GameMaze(int level, const Game::I_View* mazeView, RNG::I_Random* random)
    : view(mazeView), renderQueue(nullptr), graphics(globals().graphics), mazeData(nullptr), halfWidth(0.0f),
      halfHeight(0.0f), wallZ(0.0f), width(0), height(0)
{
    Game::GameManager* manager = globals().gameManager;
    Render::I_RenderController* controller = manager != nullptr ? manager->getRenderController() : nullptr;
    if (controller != nullptr)
        renderQueue = controller->getRenderQueue();
    build(level, random);
    Maze::MazeHelper::makeNodeList(mazeData->getRoot(), nodes);
    setEndRoom();
    wallZ = CFG::parser()->getNumber<float>("WALL_ZPOS");
    setWallSizes();
}

GameMaze::~GameMaze()
{
    nodes.clear();
    delete mazeData;
}

void GameMaze::build(int level, RNG::I_Random* random)
{
    int index = 0;
    readLevelSize(level, width, height, index);
    Maze::TileData tiles;
    Maze::MazeHelper::makeSquareTileData(tiles, 0);
    const CFG::InfoParser* parser = CFG::parser();
    const std::vector<int> start = {parser->getNumber<int>("MAZE_START_X"),
                                    parser->getNumber<int>("MAZE_START_Y")};
    const int openPlan = parser->getNumber<int>("MAZE_OPEN_PLAN_PER");
    const bool deadEnds = isYes("MAZE_DEAD_ENDS");
    const bool singlePath = isYes("MAZE_SINGLE_PATH");
    const Maze::MazeData description(tiles, {width, height}, start, false, singlePath, !deadEnds, openPlan);
    Maze::Generator generator(description, random);
    mazeData = generator.generate(0);
    // A start outside the grid, or a grid too large for the generator, gives nothing to play on.
    if (mazeData == nullptr)
        ABORT("No maze generated from start " << start[0] << "," << start[1] << " in size " << width << "x"
                                              << height << " for level " << index);
}

void GameMaze::setEndRoom()
{
    if (mazeData->getSinglePath())
        return;
    const std::vector<int>& start = mazeData->getStartLoc();
    if (start[0] == width - 1 && start[1] == height - 1)
        mazeData->setEndLoc({0, 0});
    else
        mazeData->setEndLoc({width - 1, height - 1});
}

void GameMaze::setWallSizes()
{
    const Geom::Rect<int> box = view->getViewBox();
    halfWidth = static_cast<float>(box.w / (2 * width));
    halfHeight = static_cast<float>(box.h / (2 * height));
}

void GameMaze::getStartLoc(int& x, int& y) const
{
    const std::vector<int>& start = mazeData->getStartLoc();
    x = start[0];
    y = start[1];
}

void GameMaze::getEndLoc(int& x, int& y) const
{
    const std::vector<int>& end = mazeData->getEndLoc();
    x = end.size() > 0 ? end[0] : 0;
    y = end.size() > 1 ? end[1] : 0;
}

void GameMaze::getExits(std::vector<Direction>& out, int x, int y) const
{
    out.clear();
    const Maze::Node* node = Maze::MazeHelper::findNode(mazeData->getRoot(), Maze::CellLoc{x, y});
    if (node == nullptr)
        return;
    if (node->isOpen(0))
        out.push_back(DIR_DOWN);
    if (node->isOpen(1))
        out.push_back(DIR_UP);
    if (node->isOpen(2))
        out.push_back(DIR_RIGHT);
    if (node->isOpen(3))
        out.push_back(DIR_LEFT);
}

bool GameMaze::getMazeXY(int px, int py, int& x, int& y) const
{
    // A box too small for the maze leaves no half step to divide by: nothing lies under the pointer.
    if (halfWidth <= 0.0f || halfHeight <= 0.0f)
    {
        x = -1;
        y = -1;
        return false;
    }
    const int gx = static_cast<int>((static_cast<float>(px) + 0.5f * halfWidth) / halfWidth);
    const int gy = static_cast<int>((static_cast<float>(py) + 0.5f * halfHeight) / halfHeight);
    x = gx >> 1;
    y = height - 1 - (gy >> 1);
    return x >= 0 && x < width && y >= 0 && y < height;
}

MathStuff::Orientation<float> GameMaze::getGridPos(int gx, int gy) const
{
    return MathStuff::Orientation<float>(
        MathStuff::Vector3<float>(static_cast<float>(gx) * halfWidth, static_cast<float>(gy) * halfHeight,
                                  wallZ),
        MathStuff::Vector3<float>(0.0f, 0.0f, 1.0f), MathStuff::Vector3<float>(0.0f, 1.0f, 0.0f),
        MathStuff::Vector3<float>(halfWidth * 0.5f, halfHeight * 0.5f, 1.0f));
}

MathStuff::Orientation<float> GameMaze::getViewPos(int x, int y) const
{
    return getGridPos(2 * x + 1, 2 * y + 1);
}

void GameMaze::getWallPoints(std::vector<GridPoint>& out) const
{
    out.clear();
    // Each cell brings its lower left post and its closed bottom and left walls; the top and right
    // borders with their posts follow.
    for (const Maze::Node* node : nodes)
    {
        const int x = node->getCellLoc()[0];
        const int y = node->getCellLoc()[1];
        out.emplace_back(2 * x, 2 * y);
        if (node->isClosed(0))
            out.emplace_back(2 * x + 1, 2 * y);
        if (node->isClosed(3))
            out.emplace_back(2 * x, 2 * y + 1);
    }
    for (int i = 0; i < width; ++i)
    {
        out.emplace_back(2 * i, 2 * height);
        out.emplace_back(2 * i + 1, 2 * height);
    }
    for (int j = 0; j < height; ++j)
    {
        out.emplace_back(2 * width, 2 * j + 2);
        out.emplace_back(2 * width, 2 * j + 1);
    }
    out.emplace_back(2 * width, 0);
}

void GameMaze::getSize(int& w, int& h) const
{
    w = width;
    h = height;
}

void GameMaze::step(Direction dir, int& x, int& y)
{
    switch (dir)
    {
    case DIR_UP:
        ++y;
        break;
    case DIR_DOWN:
        --y;
        break;
    case DIR_LEFT:
        --x;
        break;
    case DIR_RIGHT:
        ++x;
        break;
    default:
        break;
    }
}

GameMaze::Direction GameMaze::opposite(Direction dir)
{
    switch (dir)
    {
    case DIR_UP:
        return DIR_DOWN;
    case DIR_DOWN:
        return DIR_UP;
    case DIR_LEFT:
        return DIR_RIGHT;
    case DIR_RIGHT:
        return DIR_LEFT;
    default:
        return DIR_NONE;
    }
}
} // namespace Orvik
