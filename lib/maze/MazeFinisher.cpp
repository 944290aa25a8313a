#include "maze/MazeFinisher.h"

#include <vector>

#include "maze/RandomPick.h"

namespace Maze
{
void MazeFinisher::removeDeadEnds()
{
    std::vector<int> closed;
    for (Node* node : graph.allNodes())
    {
        int open = 0;
        closed.clear();
        for (int i = 0; i < node->getNumExits(); ++i)
        {
            if (node->isOpen(i))
            {
                ++open;
            }
            else if (node->getExitNode(i) != nullptr)
            {
                closed.push_back(i);
            }
        }
        if (open == 1 && !closed.empty())
        {
            graph.openExit(node, closed[pickIndex(rng, closed.size())]);
        }
    }
}

void MazeFinisher::makeOpenPlan(int chance)
{
    for (Node* node : graph.allNodes())
    {
        for (int i = 0; i < node->getNumExits(); ++i)
        {
            // The draw is a number from 0 to 99 by the same rule as every other random choice.
            if (node->isClosed(i) && node->getExitNode(i) != nullptr &&
                static_cast<int>(pickIndex(rng, 100)) < chance)
            {
                graph.openExit(node, i);
            }
        }
    }
}
} // namespace Maze
