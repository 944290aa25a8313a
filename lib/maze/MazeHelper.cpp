#include "maze/MazeHelper.h"

#include <algorithm>

#include "util/DeleteIt.h"

namespace Maze
{
namespace MazeHelper
{
namespace
{
Node* treeChild(const Node* node, int i)
{
    return node->isDownTree(i) ? node->getExitNode(i) : nullptr;
}
} // namespace

Node* findNode(const Node* start, const CellLoc& loc)
{
    if (start == nullptr)
    {
        return nullptr;
    }
    std::vector<const Node*> pending(1, start);
    while (!pending.empty())
    {
        const Node* node = pending.back();
        pending.pop_back();
        if (node->getCellLoc() == loc)
        {
            return const_cast<Node*>(node);
        }
        // Pushed from the last exit down, so the lowest exit index is searched first.
        for (int i = node->getNumExits() - 1; i >= 0; --i)
        {
            if (Node* child = treeChild(node, i))
            {
                pending.push_back(child);
            }
        }
    }
    return nullptr;
}

void makeNodeList(Node* root, std::vector<Node*>& out)
{
    out.clear();
    if (root == nullptr)
    {
        return;
    }
    out.push_back(root);
    for (std::size_t p = 0; p < out.size(); ++p)
    {
        const Node* node = out[p];
        for (int i = 0; i < node->getNumExits(); ++i)
        {
            if (Node* child = treeChild(node, i))
            {
                out.push_back(child);
            }
        }
    }
}

void deleteMaze(Node* root)
{
    std::vector<Node*> nodes;
    makeNodeList(root, nodes);
    std::for_each(nodes.begin(), nodes.end(), Util::DeleteIt());
}

void makeSquareTileData(TileData& tileData, unsigned t)
{
    static const int l_offsets[4][2] = {{0, -1}, {0, 1}, {1, 0}, {-1, 0}};
    for (const auto& offset : l_offsets)
    {
        tileData.defineConnection(TileData::Connection{t, CellLoc{offset[0], offset[1]}, t});
    }
}
} // namespace MazeHelper
} // namespace Maze
