#pragma once

#include "maze/MazeData.h"
#include "random/I_Random.h"
#include "util/NonCopyable.h"

namespace Maze
{
// Turns a maze description into a generated maze: the graph of every cell the tile data reaches from
// the start, carved as a randomised Kruskal spanning tree or, with the single-path option, as one
// depth-first path tree whose end is the deepest dead end it met; then dead ends are opened and walls
// knocked out as the description asks. Every random decision comes from one source in a fixed order,
// so one seed gives one maze.
class Generator : private Util::NonCopyable<Generator>
{
public:
    // The description is copied. A null source selects a simple generator seeded 32 that every
    // generator without a source of its own shares; a given source is borrowed, not owned.
    Generator(const MazeData& description, RNG::I_Random* rng);
    virtual ~Generator();

    virtual void setRNG(RNG::I_Random* rng);
    // A new maze that the caller owns. A non-zero seed reseeds the source first; 0 continues its
    // sequence. Null, with nothing drawn, when the start cell is not a cell of the grid (a location of
    // another length than the dimensions, or a coordinate outside 0 to size - 1).
    virtual MazeData* generate(unsigned seed);

private:
    class Impl;
    Impl* impl;
};
} // namespace Maze
