#pragma once

#include <ostream>
#include <vector>

namespace Maze
{
// A cell's location: one coordinate per dimension, x first.
using CellLoc = std::vector<int>;

// a[i] + b[i] for each coordinate of a; the result has a's length. Coordinates that b lacks add 0.
CellLoc operator+(const CellLoc& a, const CellLoc& b);
CellLoc& operator+=(CellLoc& a, const CellLoc& b);

// Writes "(x,y)": the first two coordinates only, or as many as there are.
std::ostream& operator<<(std::ostream& out, const CellLoc& loc);
} // namespace Maze
