#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <vector>

#include "maze/MazeData.h"
#include "maze/Node.h"
#include "maze/TileData.h"
#include "util/NonCopyable.h"

namespace Maze
{
// The graph of every cell the tile data reaches from the start, built for one generation, with compact
// arrays of entry indices beside it that the carving routines work on.
//
// Cells are indexed directly by their place in the grid, so building costs time linear in the number of
// cells and memory proportional to the grid. The node graph itself is most of the memory a maze takes,
// so the arrays beside it are kept lean: an exit's owner is worked out from its slot when every cell has
// as many exits, and cell types are read from the nodes only when the grid mixes them.
class MazeGraph : private Util::NonCopyable<MazeGraph>
{
public:
    using EntryIndex = std::uint32_t;
    using SlotIndex = std::uint32_t;
    static constexpr EntryIndex NO_ENTRY = std::numeric_limits<EntryIndex>::max();
    static constexpr SlotIndex NO_SLOT = std::numeric_limits<SlotIndex>::max();

    // The description must outlive the graph.
    explicit MazeGraph(const MazeData& description) : base(description) {}
    // Deletes the nodes of a graph that was not handed over.
    ~MazeGraph() { reset(true); }
    // Sizes the arrays for the description's grid; false when the start is not a cell of it or the grid
    // is too big to index.
    bool prepare();
    // Makes the start's node and every node it reaches, each given its exits once, in creation order:
    // the order in which the links that created them were made. False when the exits outgrow the slot
    // index; the caller then resets.
    bool build();
    // Forgets the graph; the nodes are deleted, or left to whoever holds the root.
    void reset(bool deleteNodes);

    std::size_t entryCount() const { return nodes.size(); }
    std::size_t slotCount() const { return neighbours.size(); }
    Node* node(std::size_t e) const { return nodes[e]; }
    Node* root() const { return nodes.front(); }
    const std::vector<Node*>& allNodes() const { return nodes; }
    // The neighbour's entry behind a slot, or NO_ENTRY outside the grid.
    const EntryIndex& neighbour(SlotIndex s) const { return neighbours[s]; }
    SlotIndex slotOf(std::size_t e) const
    {
        return mixedExitCounts ? firstSlot[e] : static_cast<SlotIndex>(e) * exitsPerCell;
    }
    EntryIndex ownerOf(SlotIndex s) const { return mixedExitCounts ? owners[s] : s / exitsPerCell; }
    // The slot of m's exit back to n that exit i of n leads to, or NO_SLOT.
    SlotIndex backSlot(EntryIndex n, int i);
    // Opens exit i of n and the matching exit of its neighbour; false when either side has none.
    bool openExit(Node* n, int i);
    // Sets the exits whose slots are marked open on the nodes.
    void setOpenSlots(const std::vector<bool>& open);
    // The grid's cell table: no longer needed once the graph stands, its memory can serve a carve.
    void takeCellTable(std::vector<EntryIndex>& into) { into.swap(cellEntries); }

private:
    using Connections = std::vector<TileData::Connection>;
    static constexpr SlotIndex MAX_SLOTS = NO_SLOT - 1;

    struct TypeInfo
    {
        Connections connections;
        // Per exit: the exits of a neighbour of the exit's toType whose offsets lead back, in order.
        std::vector<std::vector<int>> backExits;
        std::vector<bool> backKnown;
    };

    // The carving asks for these once per opened wall: the usual answers are inline.
    TypeInfo& typeInfo(unsigned type)
    {
        return lastTypeInfo != nullptr && lastType == type ? *lastTypeInfo : findTypeInfo(type);
    }
    TypeInfo& findTypeInfo(unsigned type);
    const std::vector<int>& backExits(TypeInfo& from, int i, unsigned neighbourType)
    {
        return neighbourType == from.connections[i].toType && from.backKnown[i]
                   ? from.backExits[i]
                   : findBackExits(from, i, neighbourType);
    }
    const std::vector<int>& findBackExits(TypeInfo& from, int i, unsigned neighbourType);
    EntryIndex getNode(unsigned type, const CellLoc& loc);
    bool addNodeExits(EntryIndex entry);
    bool neighbourLocation(const CellLoc& from, const CellLoc& offset, CellLoc* out) const;
    std::size_t cellIndex(const CellLoc& loc) const;
    unsigned cellTypeOf(EntryIndex e) const { return mixedTypes ? nodes[e]->getCellType() : firstType; }

    const MazeData& base;
    std::vector<std::size_t> strides;
    std::vector<EntryIndex> cellEntries; // per cell of the grid: its entry, or NO_ENTRY
    std::vector<Node*> nodes;            // entries in creation order
    // The exits of an entry occupy consecutive slots, in exit order, entries in creation order. While
    // every cell has exitsPerCell exits, an entry's first slot and a slot's owner are worked out; only
    // when cells differ are they kept in firstSlot (per entry, and one past the last) and owners.
    SlotIndex exitsPerCell = 0;
    bool mixedExitCounts = false;
    std::vector<SlotIndex> firstSlot;
    std::vector<EntryIndex> owners;
    std::vector<EntryIndex> neighbours; // per slot
    unsigned firstType = 0;
    bool mixedTypes = false;
    std::map<unsigned, TypeInfo> types;
    TypeInfo* lastTypeInfo = nullptr;
    unsigned lastType = 0;
    CellLoc scratchLoc;
    std::vector<int> scratchBack;
};

inline MazeGraph::SlotIndex MazeGraph::backSlot(EntryIndex n, int i)
{
    // The same exit of m as openExit picks, found in the compact arrays.
    const EntryIndex m = neighbours[slotOf(n) + static_cast<SlotIndex>(i)];
    for (int k : backExits(typeInfo(cellTypeOf(n)), i, cellTypeOf(m)))
    {
        const SlotIndex candidate = slotOf(m) + static_cast<SlotIndex>(k);
        if (candidate < slotOf(m + 1) && neighbours[candidate] == n)
        {
            return candidate;
        }
    }
    return NO_SLOT;
}

template <class T> void releaseMemory(std::vector<T>& v)
{
    std::vector<T>().swap(v);
}

inline void prefetch(const void* address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}
} // namespace Maze
