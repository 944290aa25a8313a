#pragma once

#include <cstdint>
#include <vector>

#include "maze/MazeGraph.h"
#include "random/I_Random.h"

namespace Maze
{
// Carves a built graph as one depth-first path tree from the start: the walk goes on to a random
// unvisited neighbour, and backs up when there is none, until every cell is visited.
class SinglePathCarver
{
public:
    SinglePathCarver(MazeGraph& graph, RNG::I_Random& rng) : graph(graph), rng(rng) {}
    // Returns the maze's end: the deepest dead end the walk met. totalCells ends the walk once it has
    // visited so many.
    CellLoc carve(long long totalCells);

private:
    // The exits of cell whose neighbours are not yet visited, in exit order.
    void unvisitedExits(MazeGraph::EntryIndex cell, const std::vector<std::uint8_t>& visitedCell,
                        std::vector<int>& out) const;

    MazeGraph& graph;
    RNG::I_Random& rng;
};
} // namespace Maze
