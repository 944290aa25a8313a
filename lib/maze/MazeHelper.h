#pragma once

#include <vector>

#include "maze/CellLoc.h"
#include "maze/Node.h"
#include "maze/TileData.h"

namespace Maze
{
// Walks over a maze graph along its building tree: each node but the root is the down-tree
// neighbour of exactly one node, so these walks visit every node once and never loop.
namespace MazeHelper
{
// The node at exactly loc, searched depth-first from start (exits in index order); null when none.
// The walk keeps its own stack, so a long corridor cannot exhaust the call stack.
Node* findNode(const Node* start, const CellLoc& loc);

// Every node of the graph, breadth-first from root (the order in which the generator made them).
void makeNodeList(Node* root, std::vector<Node*>& out);

// Deletes every node of the graph; a null root deletes nothing.
void deleteMaze(Node* root);

// Four connections from type t to type t: exits 0 (0,-1), 1 (0,+1), 2 (+1,0), 3 (-1,0).
void makeSquareTileData(TileData& tileData, unsigned t);
} // namespace MazeHelper
} // namespace Maze
