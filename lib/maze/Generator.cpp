#include "maze/Generator.h"

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

// Cells are indexed directly by their place in the grid, so the cost of generating is linear in the
// number of cells and its memory proportional to the grid. The connected test of the Kruskal carve is a
// disjoint-set forest with union by rank and path halving.
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
    typedef std::vector<TileData::Connection> Connections;
    static constexpr EntryIndex NO_ENTRY = std::numeric_limits<EntryIndex>::max();

    // One exit that leads to a cell of the grid.
    struct Edge
    {
        EntryIndex entry;
        std::uint32_t exit;
        EntryIndex neighbour;
    };

    bool prepareGrid();
    void reset(bool deleteNodes);
    const Connections& connectionsOf(unsigned type);
    EntryIndex getNode(unsigned type, const CellLoc& loc, bool* isNew);
    void addNodeExits(EntryIndex entry);
    bool neighbourLocation(const CellLoc& from, const CellLoc& offset, CellLoc* out) const;
    std::size_t cellIndex(const CellLoc& loc) const;
    void openExit(Node* n, int i);
    EntryIndex chainEnd(EntryIndex e);
    void makeMaze();
    void makeSinglePathMaze(Node* start, CellLoc* end);
    void removeDeadEnds();
    void makeOpenPlan();
    std::size_t pickIndex(std::size_t choices);

    MazeData base;
    RNG::I_Random* rng;

    std::vector<std::size_t> strides;
    std::vector<EntryIndex> cellEntries; // per cell of the grid: its entry, or NO_ENTRY
    std::vector<Node*> nodes;            // entries in creation order
    std::vector<EntryIndex> parent;      // disjoint sets of entries
    std::vector<std::uint8_t> rank;
    std::vector<Edge> edges;
    std::map<unsigned, Connections> connectionsByType;
    const Connections* lastConnections = nullptr;
    unsigned lastType = 0;
    CellLoc scratch;
};

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
    cellEntries.assign(total, NO_ENTRY);
    connectionsByType.clear();
    lastConnections = nullptr;
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
    releaseMemory(parent);
    releaseMemory(rank);
    releaseMemory(edges);
}

const Generator::Impl::Connections& Generator::Impl::connectionsOf(unsigned type)
{
    if (lastConnections != nullptr && lastType == type)
    {
        return *lastConnections;
    }
    auto found = connectionsByType.find(type);
    if (found == connectionsByType.end())
    {
        const TileData& tiles = base.getTileData();
        Connections list;
        const int count = tiles.getNumConnections(type);
        for (int i = 0; i < count; ++i)
        {
            if (const TileData::Connection* c = tiles.getConnection(type, i))
            {
                list.push_back(*c);
            }
        }
        found = connectionsByType.emplace(type, std::move(list)).first;
    }
    lastType = type;
    lastConnections = &found->second;
    return *lastConnections;
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

Generator::Impl::EntryIndex Generator::Impl::getNode(unsigned type, const CellLoc& loc, bool* isNew)
{
    EntryIndex& slot = cellEntries[cellIndex(loc)];
    *isNew = slot == NO_ENTRY;
    if (*isNew)
    {
        slot = static_cast<EntryIndex>(nodes.size());
        nodes.push_back(nullptr);
        nodes.back() = new Node(type, loc);
        parent.push_back(slot);
        rank.push_back(0);
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
    }
    // Wrapping round a dimension of one cell would lead back to the cell itself: no neighbour there.
    return *out != from;
}

void Generator::Impl::addNodeExits(EntryIndex entry)
{
    Node* n = nodes[entry];
    const Connections& connections = connectionsOf(n->getCellType());
    for (std::size_t i = 0; i < connections.size(); ++i)
    {
        const TileData::Connection& c = connections[i];
        if (neighbourLocation(n->getCellLoc(), c.offset, &scratch))
        {
            bool isNew = false;
            const EntryIndex next = getNode(c.toType, scratch, &isNew);
            edges.push_back(Edge{entry, static_cast<std::uint32_t>(i), next});
            n->addExit(Node::Exit{nodes[next], isNew ? 0 : static_cast<int>(Node::EXIT_UP_TREE)});
        }
        else
        {
            n->addExit(Node::Exit{nullptr, 0});
        }
    }
}

void Generator::Impl::openExit(Node* n, int i)
{
    Node* m = n->getExitNode(i);
    if (m == nullptr)
    {
        return;
    }
    const CellLoc& offset = connectionsOf(n->getCellType())[i].offset;
    const Connections& back = connectionsOf(m->getCellType());
    int k = 0;
    // The offset test picks the right exit when wrapping makes two exits of m lead to n.
    while (k < m->getNumExits() && !(m->getExitNode(k) == n && static_cast<std::size_t>(k) < back.size() &&
                                     isNegation(back[k].offset, offset)))
    {
        ++k;
    }
    n->setOpen(i, true);
    m->setOpen(k, true);
}

Generator::Impl::EntryIndex Generator::Impl::chainEnd(EntryIndex e)
{
    while (parent[e] != e)
    {
        parent[e] = parent[parent[e]];
        e = parent[e];
    }
    return e;
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

void Generator::Impl::makeMaze()
{
    // Shuffled in place: position i receives the pick among the i + 1 entries still in place, and the
    // entry it displaces takes the picked one's slot.
    for (std::size_t i = edges.size(); i-- > 0;)
    {
        std::swap(edges[i], edges[pickIndex(i + 1)]);
    }
    for (const Edge& edge : edges)
    {
        const EntryIndex a = chainEnd(edge.entry);
        const EntryIndex b = chainEnd(edge.neighbour);
        if (a == b)
        {
            continue;
        }
        openExit(nodes[edge.entry], static_cast<int>(edge.exit));
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
}

namespace
{
bool hasOpenExit(const Node* node)
{
    for (int i = 0; i < node->getNumExits(); ++i)
    {
        if (node->isOpen(i))
        {
            return true;
        }
    }
    return false;
}
} // namespace

void Generator::Impl::makeSinglePathMaze(Node* start, CellLoc* end)
{
    std::vector<std::pair<Node*, long long>> stack;
    std::vector<int> candidates;
    Node* current = start;
    const Node* last = start;
    long long depth = 0;
    long long best = 0;
    long long visited = 1;
    const long long total = base.getTotalCells();
    *end = start->getCellLoc();
    while (visited < total)
    {
        candidates.clear();
        for (int e = 0; e < current->getNumExits(); ++e)
        {
            const Node* next = current->getExitNode(e);
            if (next != nullptr && !hasOpenExit(next))
            {
                candidates.push_back(e);
            }
        }
        if (candidates.empty())
        {
            if (depth > best)
            {
                *end = current->getCellLoc();
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
        openExit(current, e);
        stack.emplace_back(current, depth);
        current = current->getExitNode(e);
        last = current;
        ++depth;
        ++visited;
    }
    if (best == 0)
    {
        *end = last->getCellLoc();
    }
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
        bool isNew = false;
        getNode(base.getTileData().getFirstCellType(), base.getStartLoc(), &isNew);
        // Every cell gets its exits once, in creation order: the order in which the links that
        // created them stand in the edge list.
        for (std::size_t p = 0; p < nodes.size(); ++p)
        {
            addNodeExits(static_cast<EntryIndex>(p));
        }
        Node* root = nodes.front();
        if (base.getSinglePath())
        {
            CellLoc end;
            makeSinglePathMaze(root, &end);
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
        result->setRoot(root);
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
