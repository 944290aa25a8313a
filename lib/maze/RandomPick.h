#pragma once

#include <cstddef>

#include "random/I_Random.h"

namespace Maze
{
// One of choices (at least one) from one draw of the source: the rule every random decision of the
// generator follows, so that one seed gives one maze.
inline std::size_t pickIndex(RNG::I_Random& rng, std::size_t choices)
{
    const double v = rng.getFloat() * static_cast<double>(choices - 1) + 0.5;
    // Kept in range even for a source that strays outside [0, 1].
    if (!(v >= 0.0))
    {
        return 0;
    }
    if (v >= static_cast<double>(choices - 1))
    {
        return choices - 1;
    }
    return static_cast<std::size_t>(v);
}
} // namespace Maze
