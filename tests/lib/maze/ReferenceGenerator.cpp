#include "ReferenceGenerator.h"

#include <map>
#include <utility>
#include <vector>

#include "maze/MazeHelper.h"

namespace MazeTest
{
namespace
{
using Maze::CellLoc;
using Maze::Node;
using Maze::operator+;

struct HashedNode
{
    Node* node;
    HashedNode* chain = nullptr;

    HashedNode* getChainEnd()
    {
        HashedNode* end = this;
        while (end->chain != nullptr)
        {
            end = end->chain;
        }
        return end;
    }

    void setChain(HashedNode* c)
    {
        if (c == this)
        {
            return;
        }
        for (HashedNode* walk = chain; walk != nullptr && walk != c;)
        {
            HashedNode* next = walk->chain;
            walk->chain = c;
            walk = next;
        }
        chain = c;
    }
};

class Reference
{
public:
    Reference(Maze::MazeData& d, RNG::I_Random& r) : base(d), rng(r) {}
    ~Reference()
    {
        for (auto& entry : table)
        {
            delete entry.second;
        }
    }

    Maze::MazeData* generate(unsigned seed)
    {
        auto* result = new Maze::MazeData(base);
        if (seed != 0)
        {
            rng.initialise(seed);
        }
        bool isNew = false;
        HashedNode* start = getNode(base.getTileData().getFirstCellType(), base.getStartLoc(), &isNew);
        addNodeExits(start);
        for (std::size_t p = 0; p < edges.size(); ++p)
        {
            HashedNode* entry = edges[p].first;
            const int i = edges[p].second;
            if (entry->node->isDownTree(i))
            {
                addNodeExits(table.at(entry->node->getExitNode(i)->getCellLoc()));
            }
        }
        Node* root = start->node;
        if (base.getSinglePath())
        {
            const CellLoc end = makeSinglePathMaze(root);
            result->setEndLoc(end);
            base.setEndLoc(end);
        }
        else
        {
            makeMaze();
        }
        removeDeadEnds(root);
        makeOpenPlan(root);
        result->setRoot(root);
        return result;
    }

private:
    int pick(int choices) { return static_cast<int>(rng.getFloat() * (choices - 1) + 0.5); }

    HashedNode* getNode(unsigned type, const CellLoc& loc, bool* isNew)
    {
        auto found = table.find(loc);
        *isNew = found == table.end();
        if (!*isNew)
        {
            return found->second;
        }
        auto* entry = new HashedNode{new Node(type, loc)};
        table.emplace(loc, entry);
        return entry;
    }

    bool validLocation(CellLoc* loc) const
    {
        const std::vector<int>& dims = base.getDimensions();
        bool valid = true;
        for (std::size_t i = 0; i < loc->size(); ++i)
        {
            int& c = (*loc)[i];
            if (base.getWrapRoundOn())
            {
                if (c < 0)
                {
                    c += dims[i];
                }
                if (c >= dims[i])
                {
                    c -= dims[i];
                }
            }
            valid = valid && c >= 0 && c < dims[i];
        }
        return valid;
    }

    void addNodeExits(HashedNode* entry)
    {
        Node* n = entry->node;
        const unsigned type = n->getCellType();
        const CellLoc here = n->getCellLoc();
        const Maze::TileData& tiles = base.getTileData();
        for (int i = 0; i < tiles.getNumConnections(type); ++i)
        {
            const Maze::TileData::Connection* c = tiles.getConnection(type, i);
            CellLoc there = here + c->offset;
            // A wrap round a dimension of one cell leads nowhere rather than back to the cell.
            if (validLocation(&there) && there != here)
            {
                bool isNew = false;
                HashedNode* next = getNode(c->toType, there, &isNew);
                edges.emplace_back(entry, i);
                n->addExit(Node::Exit{next->node, isNew ? 0 : 2});
            }
            else
            {
                n->addExit(Node::Exit{nullptr, 0});
            }
        }
    }

    void openExit(Node* n, int i)
    {
        Node* m = n->getExitNode(i);
        const Maze::TileData& tiles = base.getTileData();
        const CellLoc& offset = tiles.getConnection(n->getCellType(), i)->offset;
        int k = 0;
        for (; k < m->getNumExits(); ++k)
        {
            if (m->getExitNode(k) != n)
            {
                continue;
            }
            const CellLoc& back = tiles.getConnection(m->getCellType(), k)->offset;
            bool negated = true;
            for (std::size_t d = 0; d < offset.size(); ++d)
            {
                negated = negated && offset[d] + back[d] == 0;
            }
            if (negated)
            {
                break;
            }
        }
        n->setOpen(i, true);
        m->setOpen(k, true);
    }

    void makeMaze()
    {
        const int count = static_cast<int>(edges.size());
        std::vector<std::pair<HashedNode*, int>> shuffled(count);
        for (int i = count - 1; i >= 0; --i)
        {
            const int j = static_cast<int>(rng.getFloat() * i + 0.5);
            shuffled[i] = edges[j];
            edges[j] = edges[i];
        }
        for (const auto& edge : shuffled)
        {
            HashedNode* a = edge.first;
            HashedNode* b = table.at(a->node->getExitNode(edge.second)->getCellLoc());
            if (a->getChainEnd() != b->getChainEnd())
            {
                openExit(a->node, edge.second);
                HashedNode* c = a->getChainEnd();
                a->setChain(c);
                b->setChain(c);
            }
        }
    }

    static bool anyOpen(const Node* n)
    {
        for (int i = 0; i < n->getNumExits(); ++i)
        {
            if (n->isOpen(i))
            {
                return true;
            }
        }
        return false;
    }

    CellLoc makeSinglePathMaze(Node* start)
    {
        std::vector<std::pair<Node*, int>> stack;
        Node* current = start;
        int depth = 0;
        int visited = 1;
        int best = 0;
        CellLoc end = start->getCellLoc();
        const int total = base.getTotalCells();
        while (visited < total)
        {
            std::vector<int> candidates;
            for (int e = 0; e < current->getNumExits(); ++e)
            {
                if (current->getExitNode(e) != nullptr && !anyOpen(current->getExitNode(e)))
                {
                    candidates.push_back(e);
                }
            }
            if (candidates.empty())
            {
                if (depth > best)
                {
                    end = current->getCellLoc();
                    best = depth;
                }
                if (stack.empty())
                {
                    return best == 0 ? current->getCellLoc() : end;
                }
                current = stack.back().first;
                depth = stack.back().second;
                stack.pop_back();
            }
            else
            {
                const int e = candidates[pick(static_cast<int>(candidates.size()))];
                openExit(current, e);
                stack.emplace_back(current, depth);
                current = current->getExitNode(e);
                ++depth;
                ++visited;
            }
        }
        return best == 0 ? current->getCellLoc() : end;
    }

    void removeDeadEnds(Node* root)
    {
        if (!base.getNoDeadEnds())
        {
            return;
        }
        std::vector<Node*> nodes;
        Maze::MazeHelper::makeNodeList(root, nodes);
        for (Node* n : nodes)
        {
            int open = 0;
            std::vector<int> closed;
            for (int i = 0; i < n->getNumExits(); ++i)
            {
                if (n->isOpen(i))
                {
                    ++open;
                }
                else if (n->getExitNode(i) != nullptr)
                {
                    closed.push_back(i);
                }
            }
            if (open == 1 && !closed.empty())
            {
                openExit(n, closed[pick(static_cast<int>(closed.size()))]);
            }
        }
    }

    void makeOpenPlan(Node* root)
    {
        if (base.getOpenPlanChance() == 0)
        {
            return;
        }
        std::vector<Node*> nodes;
        Maze::MazeHelper::makeNodeList(root, nodes);
        for (Node* n : nodes)
        {
            for (int i = 0; i < n->getNumExits(); ++i)
            {
                if (n->isClosed(i) && n->getExitNode(i) != nullptr &&
                    static_cast<int>(rng.getFloat() * 99.0 + 0.5) < base.getOpenPlanChance())
                {
                    openExit(n, i);
                }
            }
        }
    }

    Maze::MazeData& base;
    RNG::I_Random& rng;
    std::map<CellLoc, HashedNode*> table;
    std::vector<std::pair<HashedNode*, int>> edges;
};
} // namespace

Maze::MazeData* generateReference(Maze::MazeData& description, RNG::I_Random& rng, unsigned seed)
{
    return Reference(description, rng).generate(seed);
}
} // namespace MazeTest
