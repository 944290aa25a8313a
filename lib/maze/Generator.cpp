#include "maze/Generator.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "random/RandSimple.h"

namespace Maze
{
namespace
{
RNG::I_Random* sharedDefaultRandom()
{
    static RNG::RandSimple l_default(32);
    return &l_default;
}

template <class T> void releaseMemory(std::vector<T>& v)
{
    std::vector<T>().swap(v);
}

// True when b undoes a: every coordinate sums to 0, a missing coordinate counting as 0.
bool isNegation(const CellLoc& a, const CellLoc& b)
{
    const std::size_t n = a.size() > b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i)
    {
        const long long sum = static_cast<long long>(i < a.size() ? a[i] : 0) + (i < b.size() ? b[i] : 0);
        if (sum != 0)
        {
            return false;
        }
    }
    return true;
}
} // namespace

// Cells are indexed directly by their place in the grid, and the carving works on compact arrays of
// entry indices beside the node graph, so generating costs time linear in the number of cells and
// memory proportional to the grid. The connected test of the Kruskal carve is a disjoint-set forest with
// union by rank and path halving; which walls it opens does not depend on how the sets are kept.
// The node graph itself is most of the memory a maze takes, so the arrays beside it are kept lean: an
// exit's owner is worked out from its slot when every cell has as many exits, and cell types are read
// from the nodes only when the grid mixes them.
class Generator::Impl
{
public:
    Impl(const MazeData& description, RNG::I_Random* source) : base(description), rng(nullptr)
    {
        setRNG(source);
    }
    ~Impl() { reset(true); }

    void setRNG(RNG::I_Random* source) { rng = source != nullptr ? source : sharedDefaultRandom(); }
    MazeData* generate(unsigned seed);

private:
    typedef std::uint32_t EntryIndex;
    typedef std::uint32_t SlotIndex;
    typedef std::vector<TileData::Connection> Connections;
    static constexpr EntryIndex NO_ENTRY = std::numeric_limits<EntryIndex>::max();
    static constexpr SlotIndex NO_SLOT = std::numeric_limits<SlotIndex>::max();
    static constexpr SlotIndex MAX_SLOTS = NO_SLOT - 1;

    struct TypeInfo
    {
        Connections connections;
        // Per exit: the exits of a neighbour of the exit's toType whose offsets lead back, in order.
        std::vector<std::vector<int>> backExits;
        std::vector<bool> backKnown;
    };

    bool prepareGrid();
    void reset(bool deleteNodes);
    TypeInfo& typeInfo(unsigned type);
    const std::vector<int>& backExits(TypeInfo& from, int i, unsigned neighbourType);
    EntryIndex getNode(unsigned type, const CellLoc& loc);
    bool addNodeExits(EntryIndex entry);
    bool neighbourLocation(const CellLoc& from, const CellLoc& offset, CellLoc* out) const;
    std::size_t cellIndex(const CellLoc& loc) const;
    bool openExit(Node* n, int i);
    unsigned cellTypeOf(EntryIndex e) const { return mixedTypes ? nodes[e]->getCellType() : firstType; }
    SlotIndex slotOf(std::size_t e) const
    {
        return mixedExitCounts ? firstSlot[e] : static_cast<SlotIndex>(e) * exitsPerCell;
    }
    EntryIndex ownerOf(SlotIndex s) const { return mixedExitCounts ? owners[s] : s / exitsPerCell; }
    SlotIndex backSlot(EntryIndex n, int i);
    void setOpenSlots(const std::vector<bool>& open);
    void shuffle(std::vector<SlotIndex>& edges);
    void makeMaze();
    void makeSinglePathMaze(CellLoc* end);
    void removeDeadEnds();
    void makeOpenPlan();
    std::size_t pickIndex(std::size_t choices);

    MazeData base;
    RNG::I_Random* rng;

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
    std::vector<EntryIndex> neighbours; // per slot: the neighbour's entry, or NO_ENTRY outside the grid
    unsigned firstType = 0;
    bool mixedTypes = false;
    std::map<unsigned, TypeInfo> types;
    TypeInfo* lastTypeInfo = nullptr;
    unsigned lastType = 0;
    CellLoc scratchLoc;
    std::vector<int> scratchBack;
};

namespace
{
inline void prefetch(const void* address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

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

bool Generator::Impl::prepareGrid()
{
    const std::vector<int>& dims = base.getDimensions();
    const std::vector<int>& start = base.getStartLoc();
    if (start.size() != dims.size())
    {
        return false;
    }
    std::size_t total = 1;
    strides.assign(dims.size(), 0);
    for (std::size_t i = 0; i < dims.size(); ++i)
    {
        if (dims[i] <= 0 || start[i] < 0 || start[i] >= dims[i])
        {
            return false;
        }
        strides[i] = total;
        // Entries are 32-bit indices; such a grid would not fit in memory anyway.
        if (total > (NO_ENTRY - 1) / static_cast<std::size_t>(dims[i]))
        {
            return false;
        }
        total *= static_cast<std::size_t>(dims[i]);
    }
    types.clear();
    lastTypeInfo = nullptr;
    exitsPerCell = 0;
    mixedExitCounts = false;
    mixedTypes = false;
    cellEntries.assign(total, NO_ENTRY);
    nodes.reserve(total);
    const int perCell = base.getTileData().getNumConnections(base.getTileData().getFirstCellType());
    if (perCell > 0 && total <= MAX_SLOTS / static_cast<std::size_t>(perCell))
    {
        neighbours.reserve(total * static_cast<std::size_t>(perCell));
    }
    return true;
}

void Generator::Impl::reset(bool deleteNodes)
{
    if (deleteNodes)
    {
        for (Node* node : nodes)
        {
            delete node;
        }
    }
    releaseMemory(nodes);
    releaseMemory(cellEntries);
    releaseMemory(firstSlot);
    releaseMemory(neighbours);
    releaseMemory(owners);
}

Generator::Impl::TypeInfo& Generator::Impl::typeInfo(unsigned type)
{
    if (lastTypeInfo != nullptr && lastType == type)
    {
        return *lastTypeInfo;
    }
    auto found = types.find(type);
    if (found == types.end())
    {
        const TileData& tiles = base.getTileData();
        TypeInfo info;
        const int count = tiles.getNumConnections(type);
        for (int i = 0; i < count; ++i)
        {
            if (const TileData::Connection* c = tiles.getConnection(type, i))
            {
                info.connections.push_back(*c);
            }
        }
        info.backExits.resize(info.connections.size());
        info.backKnown.assign(info.connections.size(), false);
        found = types.emplace(type, std::move(info)).first;
    }
    lastType = type;
    lastTypeInfo = &found->second;
    return *lastTypeInfo;
}

const std::vector<int>& Generator::Impl::backExits(TypeInfo& from, int i, unsigned neighbourType)
{
    const TileData::Connection& c = from.connections[i];
    const bool usual = neighbourType == c.toType;
    if (usual && from.backKnown[i])
    {
        return from.backExits[i];
    }
    // The map keeps its elements in place, so from stays valid while the neighbour's type is added.
    const Connections& back = typeInfo(neighbourType).connections;
    std::vector<int>& out = usual ? from.backExits[i] : scratchBack;
    out.clear();
    for (std::size_t k = 0; k < back.size(); ++k)
    {
        if (isNegation(back[k].offset, c.offset))
        {
            out.push_back(static_cast<int>(k));
        }
    }
    if (usual)
    {
        from.backKnown[i] = true;
    }
    return out;
}

std::size_t Generator::Impl::cellIndex(const CellLoc& loc) const
{
    std::size_t index = 0;
    for (std::size_t i = 0; i < loc.size(); ++i)
    {
        index += static_cast<std::size_t>(loc[i]) * strides[i];
    }
    return index;
}

Generator::Impl::EntryIndex Generator::Impl::getNode(unsigned type, const CellLoc& loc)
{
    EntryIndex& slot = cellEntries[cellIndex(loc)];
    if (slot == NO_ENTRY)
    {
        if (nodes.empty())
        {
            firstType = type;
        }
        else if (type != firstType)
        {
            mixedTypes = true;
        }
        nodes.push_back(nullptr);
        Node* node = new Node(type, loc);
        nodes.back() = node;
        // Room for the exits now, so that they lie beside the node they belong to.
        node->reserveExits(static_cast<int>(typeInfo(type).connections.size()));
        slot = static_cast<EntryIndex>(nodes.size() - 1);
    }
    return slot;
}

bool Generator::Impl::neighbourLocation(const CellLoc& from, const CellLoc& offset, CellLoc* out) const
{
    const std::vector<int>& dims = base.getDimensions();
    if (from.size() != dims.size())
    {
        return false;
    }
    out->resize(from.size());
    bool moved = false;
    for (std::size_t i = 0; i < from.size(); ++i)
    {
        const long long d = dims[i];
        long long c = static_cast<long long>(from[i]) + (i < offset.size() ? offset[i] : 0);
        if (base.getWrapRoundOn())
        {
            if (c < 0)
            {
                c += d;
            }
            if (c >= d)
            {
                c -= d;
            }
        }
        if (c < 0 || c >= d)
        {
            return false;
        }
        (*out)[i] = static_cast<int>(c);
        moved = moved || c != from[i];
    }
    // Wrapping round a dimension of one cell would lead back to the cell itself: no neighbour there.
    return moved;
}

bool Generator::Impl::addNodeExits(EntryIndex entry)
{
    Node* n = nodes[entry];
    const Connections& connections = typeInfo(n->getCellType()).connections;
    if (neighbours.size() + connections.size() > MAX_SLOTS)
    {
        return false;
    }
    if (entry == 0)
    {
        exitsPerCell = static_cast<SlotIndex>(connections.size());
    }
    else if (!mixedExitCounts && connections.size() != exitsPerCell)
    {
        for (EntryIndex e = 0; e < entry; ++e)
        {
            firstSlot.push_back(e * exitsPerCell);
        }
        mixedExitCounts = true;
    }
    if (mixedExitCounts)
    {
        firstSlot.push_back(static_cast<SlotIndex>(neighbours.size()));
    }
    for (const TileData::Connection& c : connections)
    {
        if (neighbourLocation(n->getCellLoc(), c.offset, &scratchLoc))
        {
            const std::size_t before = nodes.size();
            const EntryIndex next = getNode(c.toType, scratchLoc);
            const bool isNew = nodes.size() != before;
            neighbours.push_back(next);
            n->addExit(Node::Exit{nodes[next], isNew ? 0 : static_cast<int>(Node::EXIT_UP_TREE)});
        }
        else
        {
            neighbours.push_back(NO_ENTRY);
            n->addExit(Node::Exit{nullptr, 0});
        }
    }
    return true;
}

bool Generator::Impl::openExit(Node* n, int i)
{
    Node* m = n->getExitNode(i);
    if (m == nullptr)
    {
        return false;
    }
    // Matching the offset as well picks the right exit when wrapping makes two exits of m lead to n.
    const std::vector<int>& back = backExits(typeInfo(n->getCellType()), i, m->getCellType());
    int k = m->getNumExits();
    for (int candidate : back)
    {
        if (m->getExitNode(candidate) == n)
        {
            k = candidate;
            break;
        }
    }
    n->setOpen(i, true);
    m->setOpen(k, true);
    return k < m->getNumExits();
}

Generator::Impl::SlotIndex Generator::Impl::backSlot(EntryIndex n, int i)
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

std::size_t Generator::Impl::pickIndex(std::size_t choices)
{
    const double v = rng->getFloat() * static_cast<double>(choices - 1) + 0.5;
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

void Generator::Impl::shuffle(std::vector<SlotIndex>& edges)
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
            picks[drawn % AHEAD] = pickIndex(count - drawn);
            prefetch(&edges[picks[drawn % AHEAD]]);
        }
        std::swap(edges[count - 1 - step], edges[picks[step % AHEAD]]);
    }
}

void Generator::Impl::makeMaze()
{
    std::vector<SlotIndex> edges;
    edges.reserve(neighbours.size());
    for (std::size_t s = 0; s < neighbours.size(); ++s)
    {
        if (neighbours[s] != NO_ENTRY)
        {
            edges.push_back(static_cast<SlotIndex>(s));
        }
    }
    shuffle(edges);

    // First decide which edges join two sets, working on the compact arrays only; then find the exits
    // those walls open on both sides, and last set the flags cell by cell in creation order, so that
    // each cell's exits are touched once. Opening only sets flags: the order does not change the maze.
    // The cell table is done with once the graph stands; its memory serves the sets.
    std::vector<EntryIndex> parent;
    parent.swap(cellEntries);
    parent.resize(nodes.size());
    for (std::size_t e = 0; e < parent.size(); ++e)
    {
        parent[e] = static_cast<EntryIndex>(e);
    }
    std::vector<std::uint8_t> rank(nodes.size(), 0);
    std::vector<bool> joins(neighbours.size(), false);
    const std::size_t count = edges.size();
    const std::size_t SLOT_AHEAD = 16;
    const std::size_t SET_AHEAD = 8;
    for (std::size_t p = 0; p < count; ++p)
    {
        if (p + SLOT_AHEAD < count)
        {
            prefetch(&neighbours[edges[p + SLOT_AHEAD]]);
        }
        if (p + SET_AHEAD < count)
        {
            const SlotIndex ahead = edges[p + SET_AHEAD];
            prefetch(&parent[ownerOf(ahead)]);
            prefetch(&parent[neighbours[ahead]]);
        }
        const SlotIndex s = edges[p];
        const EntryIndex a = findSet(parent, ownerOf(s));
        const EntryIndex b = findSet(parent, neighbours[s]);
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
    releaseMemory(edges);
    releaseMemory(parent);
    releaseMemory(rank);

    std::vector<bool> open(neighbours.size(), false);
    for (std::size_t e = 0; e < nodes.size(); ++e)
    {
        const SlotIndex first = slotOf(e);
        const SlotIndex past = slotOf(e + 1);
        for (SlotIndex s = first; s < past; ++s)
        {
            if (joins[s])
            {
                open[s] = true;
                const SlotIndex back = backSlot(static_cast<EntryIndex>(e), static_cast<int>(s - first));
                if (back != NO_SLOT)
                {
                    open[back] = true;
                }
            }
        }
    }
    releaseMemory(joins);
    setOpenSlots(open);
}

void Generator::Impl::setOpenSlots(const std::vector<bool>& open)
{
    for (std::size_t e = 0; e < nodes.size(); ++e)
    {
        const SlotIndex first = slotOf(e);
        const SlotIndex past = slotOf(e + 1);
        for (SlotIndex s = first; s < past; ++s)
        {
            if (open[s])
            {
                nodes[e]->setOpen(static_cast<int>(s - first), true);
            }
        }
    }
}

void Generator::Impl::makeSinglePathMaze(CellLoc* end)
{
    // The walk runs on the compact arrays: a cell counts as visited once any of its exits is open, which
    // the visited flags mirror, and the exits it opens are collected and set on the graph at the end.
    std::vector<std::uint8_t> visitedCell(nodes.size(), 0);
    std::vector<bool> open(neighbours.size(), false);
    // Depths never exceed the number of entries, which fits an entry index.
    std::vector<std::pair<EntryIndex, EntryIndex>> stack;
    stack.reserve(nodes.size());
    std::vector<int> candidates;
    EntryIndex current = 0;
    EntryIndex deepest = 0;
    EntryIndex depth = 0;
    EntryIndex best = 0;
    long long visited = 1;
    const long long total = base.getTotalCells();
    while (visited < total)
    {
        candidates.clear();
        const SlotIndex first = slotOf(current);
        const SlotIndex past = slotOf(current + 1);
        for (SlotIndex s = first; s < past; ++s)
        {
            const EntryIndex next = neighbours[s];
            if (next != NO_ENTRY && visitedCell[next] == 0)
            {
                candidates.push_back(static_cast<int>(s - first));
            }
        }
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
        const int e = candidates[pickIndex(candidates.size())];
        const SlotIndex carved = first + static_cast<SlotIndex>(e);
        const EntryIndex next = neighbours[carved];
        open[carved] = true;
        visitedCell[current] = 1;
        const SlotIndex back = backSlot(current, e);
        if (back != NO_SLOT)
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
    *end = nodes[best == 0 ? current : deepest]->getCellLoc();
    setOpenSlots(open);
}

void Generator::Impl::removeDeadEnds()
{
    std::vector<int> closed;
    for (Node* node : nodes)
    {
        int open = 0;
        closed.clear();
        for (int i = 0; i < node->getNumExits(); ++i)
        {
            if (node->isOpen(i))
            {
                ++open;
            }
            else if (node->getExitNode(i) != nullptr)
            {
                closed.push_back(i);
            }
        }
        if (open == 1 && !closed.empty())
        {
            openExit(node, closed[pickIndex(closed.size())]);
        }
    }
}

void Generator::Impl::makeOpenPlan()
{
    const int chance = base.getOpenPlanChance();
    for (Node* node : nodes)
    {
        for (int i = 0; i < node->getNumExits(); ++i)
        {
            // The draw is a number from 0 to 99 by the same rule as every other random choice.
            if (node->isClosed(i) && node->getExitNode(i) != nullptr &&
                static_cast<int>(pickIndex(100)) < chance)
            {
                openExit(node, i);
            }
        }
    }
}

MazeData* Generator::Impl::generate(unsigned seed)
{
    if (!prepareGrid())
    {
        reset(false);
        return nullptr;
    }
    std::unique_ptr<MazeData> result(new MazeData(base));
    if (seed != 0)
    {
        rng->initialise(seed);
    }
    try
    {
        getNode(base.getTileData().getFirstCellType(), base.getStartLoc());
        // Every cell gets its exits once, in creation order: the order in which the links that
        // created them were made.
        for (std::size_t p = 0; p < nodes.size(); ++p)
        {
            if (!addNodeExits(static_cast<EntryIndex>(p)))
            {
                reset(true);
                return nullptr;
            }
        }
        if (mixedExitCounts)
        {
            firstSlot.push_back(static_cast<SlotIndex>(neighbours.size()));
            owners.resize(neighbours.size());
            for (std::size_t e = 0; e < nodes.size(); ++e)
            {
                std::fill(owners.begin() + firstSlot[e], owners.begin() + firstSlot[e + 1],
                          static_cast<EntryIndex>(e));
            }
        }
        if (base.getSinglePath())
        {
            CellLoc end;
            makeSinglePathMaze(&end);
            result->setEndLoc(end);
            base.setEndLoc(end);
        }
        else
        {
            makeMaze();
        }
        if (base.getNoDeadEnds())
        {
            removeDeadEnds();
        }
        if (base.getOpenPlanChance() != 0)
        {
            makeOpenPlan();
        }
        result->setRoot(nodes.front());
        reset(false);
    }
    catch (...)
    {
        reset(true);
        throw;
    }
    return result.release();
}

Generator::Generator(const MazeData& description, RNG::I_Random* rng) : impl(new Impl(description, rng)) {}

Generator::~Generator()
{
    delete impl;
}

void Generator::setRNG(RNG::I_Random* rng)
{
    impl->setRNG(rng);
}

MazeData* Generator::generate(unsigned seed)
{
    return impl->generate(seed);
}
} // namespace Maze
