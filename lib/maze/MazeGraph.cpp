#include "maze/MazeGraph.h"

#include <algorithm>
#include <utility>

namespace Maze
{
namespace
{
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

bool MazeGraph::prepare()
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

void MazeGraph::reset(bool deleteNodes)
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

MazeGraph::TypeInfo& MazeGraph::findTypeInfo(unsigned type)
{
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

const std::vector<int>& MazeGraph::findBackExits(TypeInfo& from, int i, unsigned neighbourType)
{
    const TileData::Connection& c = from.connections[i];
    const bool usual = neighbourType == c.toType;
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

std::size_t MazeGraph::cellIndex(const CellLoc& loc) const
{
    std::size_t index = 0;
    for (std::size_t i = 0; i < loc.size(); ++i)
    {
        index += static_cast<std::size_t>(loc[i]) * strides[i];
    }
    return index;
}

MazeGraph::EntryIndex MazeGraph::getNode(unsigned type, const CellLoc& loc)
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

bool MazeGraph::neighbourLocation(const CellLoc& from, const CellLoc& offset, CellLoc* out) const
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

bool MazeGraph::addNodeExits(EntryIndex entry)
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

bool MazeGraph::openExit(Node* n, int i)
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

void MazeGraph::setOpenSlots(const std::vector<bool>& open)
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

bool MazeGraph::build()
{
    getNode(base.getTileData().getFirstCellType(), base.getStartLoc());
    for (std::size_t p = 0; p < nodes.size(); ++p)
    {
        if (!addNodeExits(static_cast<EntryIndex>(p)))
        {
            return false;
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
    return true;
}
} // namespace Maze
