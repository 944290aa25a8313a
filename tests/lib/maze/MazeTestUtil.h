#pragma once

#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "maze/MazeData.h"
#include "maze/MazeHelper.h"

namespace MazeTest
{
inline Maze::MazeData describe(const std::vector<int>& dims, const std::vector<int>& start,
                               bool singlePath = false, bool noDeadEnds = false, int openPlan = 0,
                               bool wrap = false)
{
    Maze::TileData tiles;
    Maze::MazeHelper::makeSquareTileData(tiles, 0);
    return Maze::MazeData(tiles, dims, start, wrap, singlePath, noDeadEnds, openPlan);
}

inline std::string locText(const Maze::CellLoc& loc)
{
    std::ostringstream out;
    Maze::operator<<(out, loc);
    return out.str();
}

inline std::vector<Maze::Node*> nodeList(Maze::Node* root)
{
    std::vector<Maze::Node*> nodes;
    Maze::MazeHelper::makeNodeList(root, nodes);
    return nodes;
}

// Every open exit as "from-to", each adjacency once (the smaller location first).
inline std::set<std::string> openWalls(const Maze::MazeData& maze)
{
    std::set<std::string> walls;
    for (const Maze::Node* n : nodeList(maze.getRoot()))
    {
        for (int i = 0; i < n->getNumExits(); ++i)
        {
            if (n->isOpen(i) && n->getExitNode(i) != nullptr)
            {
                Maze::CellLoc a = n->getCellLoc();
                Maze::CellLoc b = n->getExitNode(i)->getCellLoc();
                if (b < a)
                {
                    std::swap(a, b);
                }
                walls.insert(locText(a) + "-" + locText(b));
            }
        }
    }
    return walls;
}

inline int countOpenExits(const Maze::Node* n)
{
    int open = 0;
    for (int i = 0; i < n->getNumExits(); ++i)
    {
        open += n->isOpen(i) ? 1 : 0;
    }
    return open;
}
} // namespace MazeTest
