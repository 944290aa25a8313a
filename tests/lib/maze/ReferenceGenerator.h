#pragma once

#include "maze/MazeData.h"
#include "random/I_Random.h"

namespace MazeTest
{
// The maze generator written the plain way, as an oracle for the fast one: cells kept in an ordered map
// by location, exits expanded by walking the edge list by position, a separate shuffled list, and the
// Kruskal sets kept as chains that every join re-points. A given description and random stream must
// give the same maze, cell for cell, as Maze::Generator. A single-path run stores its end in
// description, as the generator does in its own copy.
Maze::MazeData* generateReference(Maze::MazeData& description, RNG::I_Random& rng, unsigned seed);
} // namespace MazeTest
