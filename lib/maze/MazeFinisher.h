#pragma once

#include "maze/MazeGraph.h"
#include "random/I_Random.h"

namespace Maze
{
// The passes over a carved graph that the description's options ask for, each visiting the cells in
// creation order and their exits in exit order.
class MazeFinisher
{
public:
    MazeFinisher(MazeGraph& graph, RNG::I_Random& rng) : graph(graph), rng(rng) {}
    // A cell with one open exit gets one more, picked among its closed exits that lead to a cell.
    void removeDeadEnds();
    // Every closed exit that leads to a cell opens with the chance, in percent.
    void makeOpenPlan(int chance);

private:
    MazeGraph& graph;
    RNG::I_Random& rng;
};
} // namespace Maze
