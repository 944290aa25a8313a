#pragma once

#include <ostream>
#include <vector>

#include "maze/CellLoc.h"

namespace Maze
{
// One cell of a maze: its type, its location and one exit per connection of its type, in exit-index
// order. The graph is held together by the exits; a node never owns its neighbours.
class Node
{
public:
    enum ExitFlag
    {
        EXIT_OPEN = 1,
        // The neighbour already existed when the exit was linked; clear when this link created it.
        EXIT_UP_TREE = 2
    };

    struct Exit
    {
        Node* node; // null when the neighbour would lie outside the grid
        int flags;
    };

    Node(const unsigned& cellType, const std::vector<int>& cellLoc);
    virtual ~Node() = default;

    virtual const unsigned& getCellType() const;
    virtual const CellLoc& getCellLoc() const;
    virtual int getNumExits() const;
    // An index outside the exits (negative or past the end) reads closed, down-tree and without
    // a neighbour.
    virtual bool isOpen(int i) const;
    virtual bool isClosed(int i) const;
    virtual bool isUpTree(int i) const;
    virtual bool isDownTree(int i) const;
    virtual Node* getExitNode(int i) const;

    // Ignored for an index outside the exits.
    void setOpen(int i, bool open)
    {
        if (hasExit(i))
        {
            exits[i].flags = open ? (exits[i].flags | EXIT_OPEN) : (exits[i].flags & ~EXIT_OPEN);
        }
    }
    void addExit(const Exit& exit) { exits.push_back(exit); }
    // Makes room for count exits, so that adding them one by one does not reallocate.
    void reserveExits(int count);

protected:
    bool hasExit(int i) const { return i >= 0 && i < static_cast<int>(exits.size()); }

    unsigned cellType;
    CellLoc cellLoc;
    std::vector<Exit> exits;
};

// "NODE: (x,y) EXITS n", then a line per exit that has a neighbour.
std::ostream& operator<<(std::ostream& out, const Node& node);
} // namespace Maze
