#include "maze/CellLoc.h"

#include <algorithm>

namespace Maze
{
CellLoc operator+(const CellLoc& a, const CellLoc& b)
{
    CellLoc sum(a);
    sum += b;
    return sum;
}

CellLoc& operator+=(CellLoc& a, const CellLoc& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i)
    {
        // Wraps rather than overflowing into undefined behaviour on absurd offsets.
        a[i] = static_cast<int>(static_cast<unsigned>(a[i]) + static_cast<unsigned>(b[i]));
    }
    return a;
}

std::ostream& operator<<(std::ostream& out, const CellLoc& loc)
{
    out << "(";
    const std::size_t n = std::min<std::size_t>(loc.size(), 2);
    for (std::size_t i = 0; i < n; ++i)
    {
        out << (i == 0 ? "" : ",") << loc[i];
    }
    return out << ")";
}
} // namespace Maze
