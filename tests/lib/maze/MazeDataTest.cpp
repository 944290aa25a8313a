#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <sstream>
#include <vector>

#include "MazeTestUtil.h"
#include "maze/Generator.h"
#include "maze/MazeData.h"
#include "maze/MazeHelper.h"
#include "random/RandUniversal.h"

using Maze::CellLoc;
using Maze::MazeData;
using Maze::Node;
using Maze::operator+;
using Maze::operator+=;
using MazeTest::locText;
using MazeTest::nodeList;

namespace
{
// Counts its own destruction, to see that graphs are freed once and only once.
class CountingNode : public Node
{
public:
    CountingNode(const CellLoc& loc, int* deleted) : Node(0, loc), deleted(deleted) {}
    ~CountingNode() override { ++*deleted; }

private:
    int* deleted;
};

// A corridor of counting nodes along y from (0, 0), each the down-tree child of the one before.
Node* corridor(int length, int* deleted)
{
    Node* root = new CountingNode({0, 0}, deleted);
    Node* last = root;
    for (int y = 1; y < length; ++y)
    {
        Node* next = new CountingNode({0, y}, deleted);
        last->addExit({next, Node::EXIT_OPEN});
        next->addExit({last, Node::EXIT_OPEN | Node::EXIT_UP_TREE});
        last = next;
    }
    return root;
}
} // namespace

TEST(MazeDataTest, SquareTileData)
{
    Maze::TileData tiles;
    Maze::MazeHelper::makeSquareTileData(tiles, 7);
    EXPECT_EQ(tiles.getFirstCellType(), 7u);
    EXPECT_EQ(tiles.getNumConnections(7), 4);
    EXPECT_EQ(tiles.getNumConnections(0), 0);
    const std::vector<CellLoc> offsets = {{0, -1}, {0, 1}, {1, 0}, {-1, 0}};
    for (int i = 0; i < 4; ++i)
    {
        ASSERT_NE(tiles.getConnection(7, i), nullptr);
        EXPECT_EQ(tiles.getConnection(7, i)->offset, offsets[i]);
        EXPECT_EQ(tiles.getConnection(7, i)->toType, 7u);
    }
    EXPECT_EQ(tiles.getConnection(7, 4), nullptr);
    EXPECT_EQ(tiles.getConnection(7, -1), nullptr);
    EXPECT_EQ(tiles.getConnection(0, 0), nullptr);

    // Only the first connection sets the first cell type; exit indices count per type.
    tiles.defineConnection({3, {2, 2}, 7});
    Maze::MazeHelper::makeSquareTileData(tiles, 3);
    EXPECT_EQ(tiles.getFirstCellType(), 7u);
    EXPECT_EQ(tiles.getNumConnections(3), 5);
    EXPECT_EQ(tiles.getConnection(3, 0)->offset, CellLoc({2, 2}));
    EXPECT_EQ(tiles.getConnection(3, 3)->offset, CellLoc({1, 0}));
}

TEST(MazeDataTest, ExitIndicesOutsideTheExitsReadClosedAndDownTree)
{
    Node neighbour(0, {2, 2});
    Node node(0, {2, 3});
    node.addExit({&neighbour, Node::EXIT_OPEN | Node::EXIT_UP_TREE});
    node.addExit({nullptr, 0});
    node.addExit({&neighbour, 0});
    node.addExit({&neighbour, Node::EXIT_OPEN});

    struct Case
    {
        int index;
        bool open;
        bool upTree;
        const Node* next;
    };
    const Case cases[] = {
        {0, true, true, &neighbour},      {1, false, false, nullptr},       {2, false, false, &neighbour},
        {3, true, false, &neighbour},     {4, false, false, nullptr},       {-1, false, false, nullptr},
        {INT_MIN, false, false, nullptr}, {INT_MAX, false, false, nullptr},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(node.isOpen(c.index), c.open);
        EXPECT_EQ(node.isClosed(c.index), !c.open);
        EXPECT_EQ(node.isUpTree(c.index), c.upTree);
        EXPECT_EQ(node.isDownTree(c.index), !c.upTree);
        EXPECT_EQ(node.getExitNode(c.index), c.next);
    }
    for (int outside : {4, -1, INT_MIN})
    {
        node.setOpen(outside, true);
    }
    node.setOpen(2, true);
    node.setOpen(0, false);
    EXPECT_TRUE(node.isOpen(2));
    EXPECT_FALSE(node.isOpen(0));
    EXPECT_TRUE(node.isUpTree(0)) << "opening and closing leave the tree bit alone";
    EXPECT_EQ(node.getNumExits(), 4);
}

TEST(MazeDataTest, TotalCells)
{
    struct Case
    {
        std::vector<int> dims;
        int total;
    };
    const Case cases[] = {
        {{3, 4}, 12},
        {{}, 1},
        {{5}, 5},
        {{2, 3, 4}, 24},
        {{3, 0}, 0},
        {{-2, 3}, 0},
        {{-2, -3}, 0},
        {{100000, 100000}, INT_MAX},
        {{65536, 65536, 65536, 65536}, INT_MAX},
        {{46340, 46340}, 46340 * 46340},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(locText(c.dims));
        MazeData maze;
        maze.setDimensions(c.dims);
        EXPECT_EQ(maze.getTotalCells(), c.total);
    }
}

TEST(MazeDataTest, LocationArithmeticAndText)
{
    CellLoc loc = {1, 2};
    EXPECT_EQ(loc + CellLoc({0, -1}), CellLoc({1, 1}));
    EXPECT_EQ(CellLoc({1}) + CellLoc({4, 5}), CellLoc({5})) << "the first operand's length";
    EXPECT_EQ(CellLoc({1, 2}) + CellLoc({4}), CellLoc({5, 2})) << "a missing coordinate adds nothing";
    loc += CellLoc({3, 3});
    EXPECT_EQ(loc, CellLoc({4, 5}));

    EXPECT_EQ(locText({2, 3}), "(2,3)");
    EXPECT_EQ(locText({2, 3, 4}), "(2,3)");
    EXPECT_EQ(locText({-1}), "(-1)");
    EXPECT_EQ(locText({}), "()");

    Node above(0, {2, 2});
    Node node(0, {2, 3});
    node.addExit({&above, Node::EXIT_OPEN});
    node.addExit({nullptr, 0});
    std::ostringstream out;
    out << node;
    EXPECT_EQ(out.str(), "NODE: (2,3) EXITS 2\n   exit: 0 DN OPEN TO: (2,2)");
    node.addExit({&above, Node::EXIT_UP_TREE});
    out.str("");
    out << node << "|" << Node(0, {0, 0});
    EXPECT_EQ(out.str(), "NODE: (2,3) EXITS 3\n   exit: 0 DN OPEN TO: (2,2)\n   exit: 2 UP CLSD TO: "
                         "(2,2)|NODE: (0,0) EXITS 0");
}

TEST(MazeDataTest, WalksFollowTheBuildingTree)
{
    // (0,0) has children (1,0) and (0,1) through down-tree exits; (1,0) reaches (0,1) again up-tree,
    // and (0,1) has a child (0,2) and an exit outside the grid.
    int deleted = 0;
    Node* root = new CountingNode({0, 0}, &deleted);
    Node* right = new CountingNode({1, 0}, &deleted);
    Node* up = new CountingNode({0, 1}, &deleted);
    Node* top = new CountingNode({0, 2}, &deleted);
    root->addExit({nullptr, 0});
    root->addExit({up, 0});
    root->addExit({right, 0});
    right->addExit({root, Node::EXIT_UP_TREE});
    right->addExit({up, Node::EXIT_UP_TREE | Node::EXIT_OPEN});
    up->addExit({root, Node::EXIT_UP_TREE});
    up->addExit({nullptr, 0});
    up->addExit({top, Node::EXIT_OPEN});

    EXPECT_EQ(nodeList(root), std::vector<Node*>({root, up, right, top}));
    EXPECT_TRUE(nodeList(nullptr).empty());
    std::vector<Node*> reused = {root, root};
    Maze::MazeHelper::makeNodeList(nullptr, reused);
    EXPECT_TRUE(reused.empty());

    EXPECT_EQ(Maze::MazeHelper::findNode(root, {0, 2}), top);
    EXPECT_EQ(Maze::MazeHelper::findNode(root, {1, 0}), right);
    EXPECT_EQ(Maze::MazeHelper::findNode(root, {0, 0}), root);
    EXPECT_EQ(Maze::MazeHelper::findNode(right, {0, 1}), nullptr) << "up-tree exits are not followed";
    EXPECT_EQ(Maze::MazeHelper::findNode(root, {0, 2, 0}), nullptr);
    EXPECT_EQ(Maze::MazeHelper::findNode(root, {5, 5}), nullptr);
    EXPECT_EQ(Maze::MazeHelper::findNode(nullptr, {0, 0}), nullptr);

    Maze::MazeHelper::deleteMaze(root);
    EXPECT_EQ(deleted, 4);
    Maze::MazeHelper::deleteMaze(nullptr);
}

TEST(MazeDataTest, FindingInALongCorridorDoesNotExhaustTheStack)
{
    int deleted = 0;
    const int length = 400000;
    MazeData maze;
    maze.setRoot(corridor(length, &deleted));
    const Node* far = Maze::MazeHelper::findNode(maze.getRoot(), {0, length - 1});
    ASSERT_NE(far, nullptr);
    EXPECT_EQ(far->getCellLoc(), CellLoc({0, length - 1}));

    // The same through a generated maze: a single path one cell wide is one long corridor.
    RNG::RandUniversal rng;
    Maze::Generator generator(MazeTest::describe({1, length}, {0, 0}, true), &rng);
    std::unique_ptr<MazeData> generated(generator.generate(1));
    EXPECT_EQ(generated->getEndLoc(), CellLoc({0, length - 1}));
    EXPECT_NE(Maze::MazeHelper::findNode(generated->getRoot(), {0, length - 1}), nullptr);
}

TEST(MazeDataTest, OwnershipOfTheGraph)
{
    int deleted = 0;
    Maze::TileData tiles;
    Maze::MazeHelper::makeSquareTileData(tiles, 0);
    {
        MazeData original(tiles, {4, 5}, {1, 2}, true, true, false, 40);
        original.setEndLoc({3, 3});
        original.setRoot(corridor(3, &deleted));

        // Copies take the description, never the graph.
        MazeData copy(original);
        EXPECT_EQ(copy.getRoot(), nullptr);
        EXPECT_EQ(copy.getDimensions(), CellLoc({4, 5}));
        EXPECT_EQ(copy.getStartLoc(), CellLoc({1, 2}));
        EXPECT_EQ(copy.getEndLoc(), CellLoc({3, 3}));
        EXPECT_TRUE(copy.getWrapRoundOn());
        EXPECT_TRUE(copy.getSinglePath());
        EXPECT_FALSE(copy.getNoDeadEnds());
        EXPECT_EQ(copy.getOpenPlanChance(), 40);
        EXPECT_EQ(copy.getTileData().getNumConnections(0), 4);

        MazeData assigned;
        assigned.setRoot(corridor(2, &deleted));
        assigned = original;
        EXPECT_EQ(deleted, 2) << "assignment frees the graph it held";
        EXPECT_EQ(assigned.getRoot(), nullptr);
        EXPECT_EQ(assigned.getDimensions(), CellLoc({4, 5}));
        assigned = assigned;

        original.setRoot(original.getRoot());
        EXPECT_EQ(deleted, 2) << "the same root is kept";
        original.setRoot(corridor(5, &deleted));
        EXPECT_EQ(deleted, 5) << "a new root frees the old graph";
        original.setRoot(nullptr);
        EXPECT_EQ(deleted, 10);
        original.setRoot(corridor(4, &deleted));
    }
    EXPECT_EQ(deleted, 14) << "destruction frees the graph once";

    MazeData empty;
    EXPECT_EQ(empty.getRoot(), nullptr);
    EXPECT_TRUE(empty.getDimensions().empty());
    EXPECT_TRUE(empty.getEndLoc().empty());
    EXPECT_FALSE(empty.getWrapRoundOn() || empty.getSinglePath() || empty.getNoDeadEnds());
    EXPECT_EQ(empty.getOpenPlanChance(), 0);
    EXPECT_EQ(empty.getTileData().getFirstCellType(), 0u);
}
