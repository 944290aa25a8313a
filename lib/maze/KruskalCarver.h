#pragma once

#include <vector>

#include "maze/MazeGraph.h"
#include "random/I_Random.h"

namespace Maze
{
// Carves a built graph as a randomised Kruskal spanning tree: every wall between two cells in a shuffled
// order, opened when the cells are not yet connected. The connected test is a disjoint-set forest with
// union by rank and path halving; which walls it opens does not depend on how the sets are kept.
class KruskalCarver
{
public:
    KruskalCarver(MazeGraph& graph, RNG::I_Random& rng) : graph(graph), rng(rng) {}
    void carve();

private:
    void shuffle(std::vector<MazeGraph::SlotIndex>& edges);
    std::vector<bool> joiningWalls(const std::vector<MazeGraph::SlotIndex>& edges);

    MazeGraph& graph;
    RNG::I_Random& rng;
};
} // namespace Maze
