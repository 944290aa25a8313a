#pragma once

#include <cstdint>
#include <vector>

#include "maze/MazeHelper.h"
#include "maze/Node.h"

namespace MazeBench
{
// A fingerprint of a generated maze: for every node in node-list order, its location and which of its
// exits are open, folded with 64-bit FNV-1a. Two mazes agree on it when they agree cell for cell.
inline std::uint64_t openExitChecksum(Maze::Node* root)
{
    std::uint64_t hash = 14695981039346656037ull;
    auto fold = [&hash](std::uint64_t word)
    {
        for (int byte = 0; byte < 8; ++byte)
        {
            hash = (hash ^ ((word >> (8 * byte)) & 0xffu)) * 1099511628211ull;
        }
    };
    std::vector<Maze::Node*> nodes;
    Maze::MazeHelper::makeNodeList(root, nodes);
    for (const Maze::Node* node : nodes)
    {
        for (int coordinate : node->getCellLoc())
        {
            fold(static_cast<std::uint32_t>(coordinate));
        }
        std::uint64_t open = 0;
        for (int i = 0; i < node->getNumExits() && i < 64; ++i)
        {
            open |= static_cast<std::uint64_t>(node->isOpen(i)) << i;
        }
        fold(open);
    }
    return hash;
}
} // namespace MazeBench
