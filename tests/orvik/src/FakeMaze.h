#pragma once

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "orvik/src/GameMaze.h"
#include "random/RandUniversal.h"

namespace OrvikTest
{
// A maze whose passages a test lays out by hand; drawing is noted as text. The base builds a generated
// maze (MAZE_SIZES must be configured) that nothing here uses.
class FakeMaze : public Orvik::GameMaze
{
public:
    using Cell = std::pair<int, int>;

    // passages: pairs of neighbouring cells.
    FakeMaze(const std::vector<std::pair<Cell, Cell>>& passages, Cell start, Cell end,
             const Game::I_View* view = baseView())
        : Orvik::GameMaze(0, view, baseRandom()), start(start), end(end)
    {
        for (const auto& p : passages)
        {
            open.insert(p);
            open.insert(std::make_pair(p.second, p.first));
        }
    }

    void getStartLoc(int& x, int& y) const override
    {
        x = start.first;
        y = start.second;
    }
    void getEndLoc(int& x, int& y) const override
    {
        x = end.first;
        y = end.second;
    }
    void getExits(std::vector<Direction>& out, int x, int y) const override
    {
        out.clear();
        for (Direction d : {DIR_DOWN, DIR_UP, DIR_RIGHT, DIR_LEFT})
        {
            int nx = x;
            int ny = y;
            step(d, nx, ny);
            if (open.count(std::make_pair(Cell(x, y), Cell(nx, ny))))
                out.push_back(d);
        }
    }
    void drawInRoom(Orvik::GameGraphics::Graphic g, int x, int y) override
    {
        drawn.push_back(name(g) + "@" + std::to_string(x) + "," + std::to_string(y));
    }
    void drawLeavingRoom(Orvik::GameGraphics::Graphic g, int x, int y, Direction d) override
    {
        drawn.push_back(name(g) + "@" + std::to_string(x) + "," + std::to_string(y) + ">" + dirName(d));
    }

    static std::string name(Orvik::GameGraphics::Graphic g)
    {
        static const char* l_names[] = {"WALL", "TREASURE", "PLAYER", "CHOICE", "ESCAPED", "FOOTPRINT"};
        return l_names[g];
    }
    static std::string dirName(Direction d)
    {
        static const char* l_names[] = {"NONE", "UP", "DOWN", "LEFT", "RIGHT"};
        return l_names[d];
    }

    Cell start;
    Cell end;
    std::set<std::pair<Cell, Cell>> open;
    std::vector<std::string> drawn;

private:
    static const Game::I_View* baseView()
    {
        static BoxView l_view(0, 0, 100, 100);
        return &l_view;
    }
    static RNG::I_Random* baseRandom()
    {
        static RNG::RandUniversal l_random;
        return &l_random;
    }
};
} // namespace OrvikTest
