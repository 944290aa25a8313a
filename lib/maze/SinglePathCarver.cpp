#include "maze/SinglePathCarver.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "maze/RandomPick.h"

namespace Maze
{
void SinglePathCarver::unvisitedExits(MazeGraph::EntryIndex cell,
                                      const std::vector<std::uint8_t>& visitedCell,
                                      std::vector<int>& out) const
{
    out.clear();
    const MazeGraph::SlotIndex first = graph.slotOf(cell);
    const MazeGraph::SlotIndex past = graph.slotOf(cell + 1);
    for (MazeGraph::SlotIndex s = first; s < past; ++s)
    {
        const MazeGraph::EntryIndex next = graph.neighbour(s);
        if (next != MazeGraph::NO_ENTRY && visitedCell[next] == 0)
        {
            out.push_back(static_cast<int>(s - first));
        }
    }
}

CellLoc SinglePathCarver::carve(long long totalCells)
{
    using EntryIndex = MazeGraph::EntryIndex;
    using SlotIndex = MazeGraph::SlotIndex;
    // The walk runs on the compact arrays: a cell counts as visited once any of its exits is open, which
    // the visited flags mirror, and the exits it opens are collected and set on the graph at the end.
    std::vector<std::uint8_t> visitedCell(graph.entryCount(), 0);
    std::vector<bool> open(graph.slotCount(), false);
    // Depths never exceed the number of entries, which fits an entry index.
    std::vector<std::pair<EntryIndex, EntryIndex>> stack;
    stack.reserve(graph.entryCount());
    std::vector<int> candidates;
    EntryIndex current = 0;
    EntryIndex deepest = 0;
    EntryIndex depth = 0;
    EntryIndex best = 0;
    long long visited = 1;
    while (visited < totalCells)
    {
        unvisitedExits(current, visitedCell, candidates);
        if (candidates.empty())
        {
            if (depth > best)
            {
                deepest = current;
                best = depth;
            }
            // Back at the start with cells left over: the tile data cannot reach them.
            if (stack.empty())
            {
                break;
            }
            current = stack.back().first;
            depth = stack.back().second;
            stack.pop_back();
            continue;
        }
        const int e = candidates[pickIndex(rng, candidates.size())];
        const SlotIndex carved = graph.slotOf(current) + static_cast<SlotIndex>(e);
        const EntryIndex next = graph.neighbour(carved);
        open[carved] = true;
        visitedCell[current] = 1;
        const SlotIndex back = graph.backSlot(current, e);
        if (back != MazeGraph::NO_SLOT)
        {
            open[back] = true;
            visitedCell[next] = 1;
        }
        stack.emplace_back(current, depth);
        current = next;
        ++depth;
        ++visited;
    }
    // With no dead end met before the last cell carved into, the end is that last cell.
    const CellLoc end = graph.node(best == 0 ? current : deepest)->getCellLoc();
    graph.setOpenSlots(open);
    return end;
}
} // namespace Maze
