#include "maze/KruskalCarver.h"

#include <cstdint>
#include <utility>

#include "maze/RandomPick.h"

namespace Maze
{
namespace
{
using EntryIndex = MazeGraph::EntryIndex;
using SlotIndex = MazeGraph::SlotIndex;

// Path halving: every entry on the way is re-pointed to its grandparent.
inline std::uint32_t findSet(std::vector<std::uint32_t>& parent, std::uint32_t e)
{
    while (parent[e] != e)
    {
        parent[e] = parent[parent[e]];
        e = parent[e];
    }
    return e;
}
} // namespace

void KruskalCarver::shuffle(std::vector<SlotIndex>& edges)
{
    // From the last position down, position i takes the pick among the i + 1 entries still in place and
    // the entry there moves into the picked one's place. The picks are drawn a few positions early, in
    // the same order, so that the places they name can be fetched from memory in the meantime.
    const std::size_t count = edges.size();
    const std::size_t AHEAD = 16;
    std::size_t picks[AHEAD];
    std::size_t drawn = 0;
    for (std::size_t step = 0; step < count; ++step)
    {
        for (; drawn < count && drawn < step + AHEAD; ++drawn)
        {
            picks[drawn % AHEAD] = pickIndex(rng, count - drawn);
            prefetch(&edges[picks[drawn % AHEAD]]);
        }
        std::swap(edges[count - 1 - step], edges[picks[step % AHEAD]]);
    }
}

void KruskalCarver::carve()
{
    std::vector<SlotIndex> edges;
    edges.reserve(graph.slotCount());
    for (std::size_t s = 0; s < graph.slotCount(); ++s)
    {
        if (graph.neighbour(static_cast<SlotIndex>(s)) != MazeGraph::NO_ENTRY)
        {
            edges.push_back(static_cast<SlotIndex>(s));
        }
    }
    shuffle(edges);

    // First decide which edges join two sets, working on the compact arrays only; then find the exits
    // those walls open on both sides, and last set the flags cell by cell in creation order, so that
    // each cell's exits are touched once. Opening only sets flags: the order does not change the maze.
    std::vector<bool> joins = joiningWalls(edges);
    releaseMemory(edges);

    std::vector<bool> open(graph.slotCount(), false);
    for (std::size_t e = 0; e < graph.entryCount(); ++e)
    {
        const SlotIndex first = graph.slotOf(e);
        const SlotIndex past = graph.slotOf(e + 1);
        for (SlotIndex s = first; s < past; ++s)
        {
            if (joins[s])
            {
                open[s] = true;
                const SlotIndex back =
                    graph.backSlot(static_cast<EntryIndex>(e), static_cast<int>(s - first));
                if (back != MazeGraph::NO_SLOT)
                {
                    open[back] = true;
                }
            }
        }
    }
    releaseMemory(joins);
    graph.setOpenSlots(open);
}

std::vector<bool> KruskalCarver::joiningWalls(const std::vector<SlotIndex>& edges)
{
    // The cell table is done with once the graph stands; its memory serves the sets.
    std::vector<EntryIndex> parent;
    graph.takeCellTable(parent);
    parent.resize(graph.entryCount());
    for (std::size_t e = 0; e < parent.size(); ++e)
    {
        parent[e] = static_cast<EntryIndex>(e);
    }
    std::vector<std::uint8_t> rank(graph.entryCount(), 0);
    std::vector<bool> joins(graph.slotCount(), false);
    const std::size_t count = edges.size();
    const std::size_t SLOT_AHEAD = 16;
    const std::size_t SET_AHEAD = 8;
    for (std::size_t p = 0; p < count; ++p)
    {
        if (p + SLOT_AHEAD < count)
        {
            prefetch(&graph.neighbour(edges[p + SLOT_AHEAD]));
        }
        if (p + SET_AHEAD < count)
        {
            const SlotIndex ahead = edges[p + SET_AHEAD];
            prefetch(&parent[graph.ownerOf(ahead)]);
            prefetch(&parent[graph.neighbour(ahead)]);
        }
        const SlotIndex s = edges[p];
        const EntryIndex a = findSet(parent, graph.ownerOf(s));
        const EntryIndex b = findSet(parent, graph.neighbour(s));
        if (a == b)
        {
            continue;
        }
        joins[s] = true;
        if (rank[a] < rank[b])
        {
            parent[a] = b;
        }
        else
        {
            parent[b] = a;
            if (rank[a] == rank[b])
            {
                ++rank[a];
            }
        }
    }
    return joins;
}
} // namespace Maze
