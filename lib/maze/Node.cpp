#include "maze/Node.h"

namespace Maze
{
Node::Node(const unsigned& type, const std::vector<int>& loc) : cellType(type), cellLoc(loc) {}

const unsigned& Node::getCellType() const
{
    return cellType;
}

const CellLoc& Node::getCellLoc() const
{
    return cellLoc;
}

int Node::getNumExits() const
{
    return static_cast<int>(exits.size());
}

bool Node::isOpen(int i) const
{
    return hasExit(i) && (exits[i].flags & EXIT_OPEN) != 0;
}

bool Node::isClosed(int i) const
{
    return !isOpen(i);
}

bool Node::isUpTree(int i) const
{
    return hasExit(i) && (exits[i].flags & EXIT_UP_TREE) != 0;
}

bool Node::isDownTree(int i) const
{
    return !isUpTree(i);
}

Node* Node::getExitNode(int i) const
{
    return hasExit(i) ? exits[i].node : nullptr;
}

void Node::reserveExits(int count)
{
    if (count > 0)
    {
        exits.reserve(static_cast<std::size_t>(count));
    }
}

std::ostream& operator<<(std::ostream& out, const Node& node)
{
    out << "NODE: " << node.getCellLoc() << " EXITS " << node.getNumExits();
    for (int i = 0; i < node.getNumExits(); ++i)
    {
        const Node* next = node.getExitNode(i);
        if (next != nullptr)
        {
            out << "\n   exit: " << i << " " << (node.isUpTree(i) ? "UP" : "DN") << " "
                << (node.isOpen(i) ? "OPEN" : "CLSD") << " TO: " << next->getCellLoc();
        }
    }
    return out;
}
} // namespace Maze
