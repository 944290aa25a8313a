#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <queue>
#include <set>
#include <string>
#include <vector>

#include "MazeTestUtil.h"
#include "ReferenceGenerator.h"
#include "bench/MazeChecksum.h"
#include "maze/Generator.h"
#include "random/RandSimple.h"
#include "random/RandUniversal.h"

using Maze::CellLoc;
using Maze::MazeData;
using Maze::Node;
using Maze::operator+;
using MazeTest::describe;
using MazeTest::locText;
using MazeTest::nodeList;
using MazeTest::openWalls;

namespace
{
using MazePtr = std::unique_ptr<MazeData>;

MazePtr generateWith(const MazeData& description, unsigned seed)
{
    RNG::RandUniversal rng;
    Maze::Generator generator(description, &rng);
    return MazePtr(generator.generate(seed));
}

// Cells reachable from the root through open exits, with their depth from the root.
std::map<CellLoc, int> depthsThroughOpenExits(const MazeData& maze)
{
    std::map<CellLoc, int> depth;
    std::queue<const Node*> pending;
    depth[maze.getRoot()->getCellLoc()] = 0;
    pending.push(maze.getRoot());
    while (!pending.empty())
    {
        const Node* n = pending.front();
        pending.pop();
        for (int i = 0; i < n->getNumExits(); ++i)
        {
            const Node* next = n->getExitNode(i);
            if (n->isOpen(i) && next != nullptr && depth.count(next->getCellLoc()) == 0)
            {
                depth[next->getCellLoc()] = depth[n->getCellLoc()] + 1;
                pending.push(next);
            }
        }
    }
    return depth;
}

// Open exits come in pairs: the neighbour's exit back, with the opposite offset, is open too.
void expectOpenExitsSymmetric(const MazeData& maze)
{
    const Maze::TileData& tiles = maze.getTileData();
    for (const Node* n : nodeList(maze.getRoot()))
    {
        for (int i = 0; i < n->getNumExits(); ++i)
        {
            const Node* m = n->getExitNode(i);
            if (!n->isOpen(i) || m == nullptr)
            {
                continue;
            }
            const CellLoc& offset = tiles.getConnection(n->getCellType(), i)->offset;
            bool matched = false;
            for (int k = 0; k < m->getNumExits() && !matched; ++k)
            {
                const CellLoc& back = tiles.getConnection(m->getCellType(), k)->offset;
                matched =
                    m->getExitNode(k) == n && m->isOpen(k) && offset + back == CellLoc(offset.size(), 0);
            }
            EXPECT_TRUE(matched) << "exit " << i << " of " << locText(n->getCellLoc())
                                 << " is open one way only";
        }
    }
}

int adjacencies(const MazeData& maze)
{
    int exitsWithNeighbour = 0;
    for (const Node* n : nodeList(maze.getRoot()))
    {
        for (int i = 0; i < n->getNumExits(); ++i)
        {
            exitsWithNeighbour += n->getExitNode(i) != nullptr ? 1 : 0;
        }
    }
    return exitsWithNeighbour / 2;
}

void expectSameMaze(const MazeData& actual, const MazeData& expected)
{
    EXPECT_EQ(MazeBench::openExitChecksum(actual.getRoot()), MazeBench::openExitChecksum(expected.getRoot()));
    EXPECT_EQ(openWalls(actual), openWalls(expected));
    EXPECT_EQ(actual.getEndLoc(), expected.getEndLoc());
}
} // namespace

TEST(GeneratorTest, PinnedThreeByThreeMazes)
{
    const std::set<std::string> kruskal = {"(0,0)-(0,1)", "(0,0)-(1,0)", "(0,1)-(0,2)", "(1,0)-(1,1)",
                                           "(0,2)-(1,2)", "(1,1)-(2,1)", "(2,0)-(2,1)", "(1,2)-(2,2)"};
    auto with = [](std::set<std::string> walls, std::set<std::string> more)
    {
        walls.insert(more.begin(), more.end());
        return walls;
    };
    struct Case
    {
        const char* what;
        unsigned seed;
        bool singlePath;
        bool noDeadEnds;
        int openPlan;
        std::set<std::string> walls; // empty: not pinned
        CellLoc end;
    };
    const Case cases[] = {
        {"Kruskal", 1, false, false, 0, kruskal, {}},
        {"Kruskal without dead ends", 1, false, true, 0, with(kruskal, {"(1,0)-(2,0)", "(2,1)-(2,2)"}), {}},
        {"Kruskal open plan 50",
         1,
         false,
         false,
         50,
         with(kruskal, {"(0,1)-(1,1)", "(1,0)-(2,0)", "(1,1)-(1,2)", "(2,1)-(2,2)"}),
         {}},
        {"single path, one corridor ending at the last cell",
         1,
         true,
         false,
         0,
         {"(0,0)-(0,1)", "(0,1)-(0,2)", "(0,2)-(1,2)", "(1,2)-(2,2)", "(2,1)-(2,2)", "(2,0)-(2,1)",
          "(1,0)-(2,0)", "(1,0)-(1,1)"},
         {1, 1}},
        {"single path ending at the deepest dead end", 14, true, false, 0, {}, {0, 2}},
    };
    const std::vector<std::string> creationOrder = {"(0,0)", "(0,1)", "(1,0)", "(0,2)", "(1,1)",
                                                    "(2,0)", "(1,2)", "(2,1)", "(2,2)"};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        const MazePtr maze =
            generateWith(describe({3, 3}, {0, 0}, c.singlePath, c.noDeadEnds, c.openPlan), c.seed);
        ASSERT_NE(maze, nullptr);
        std::vector<std::string> order;
        for (const Node* n : nodeList(maze->getRoot()))
        {
            order.push_back(locText(n->getCellLoc()));
        }
        EXPECT_EQ(order, creationOrder);
        if (!c.walls.empty())
        {
            EXPECT_EQ(openWalls(*maze), c.walls);
        }
        EXPECT_EQ(maze->getEndLoc(), c.end);
    }
}

TEST(GeneratorTest, SmallestGrids)
{
    for (bool singlePath : {false, true})
    {
        SCOPED_TRACE(singlePath ? "single path" : "Kruskal");
        const MazePtr one = generateWith(describe({1, 1}, {0, 0}, singlePath, true, 100), 3);
        ASSERT_NE(one, nullptr);
        const Node* root = one->getRoot();
        ASSERT_EQ(root->getNumExits(), 4);
        for (int i = 0; i < 4; ++i)
        {
            EXPECT_EQ(root->getExitNode(i), nullptr);
            EXPECT_TRUE(root->isClosed(i));
        }
        EXPECT_EQ(nodeList(one->getRoot()).size(), 1u);
        EXPECT_EQ(one->getEndLoc(), singlePath ? CellLoc({0, 0}) : CellLoc());
    }
    const MazePtr two = generateWith(describe({2, 2}, {1, 1}), 5);
    EXPECT_EQ(adjacencies(*two), 4) << "eight exits with a neighbour";
    EXPECT_EQ(openWalls(*two).size(), 3u);
    EXPECT_EQ(depthsThroughOpenExits(*two).size(), 4u);
}

TEST(GeneratorTest, CarvedMazesHoldTheirPropertiesOverSeedsAndSizes)
{
    const std::vector<std::vector<int>> sizes = {{2, 2}, {2, 9}, {9, 2}, {1, 7},
                                                 {7, 1}, {5, 5}, {8, 3}, {12, 10}};
    for (const std::vector<int>& dims : sizes)
    {
        const int cells = dims[0] * dims[1];
        const CellLoc start = {dims[0] / 2, dims[1] - 1};
        for (unsigned seed = 1; seed <= 30; ++seed)
        {
            SCOPED_TRACE(locText(dims) + " seed " + std::to_string(seed));

            const MazePtr kruskal = generateWith(describe(dims, start), seed);
            EXPECT_EQ(openWalls(*kruskal).size(), static_cast<std::size_t>(cells - 1));
            EXPECT_EQ(depthsThroughOpenExits(*kruskal).size(), static_cast<std::size_t>(cells));
            expectOpenExitsSymmetric(*kruskal);
            EXPECT_TRUE(kruskal->getEndLoc().empty());

            const MazePtr single = generateWith(describe(dims, start, true), seed);
            EXPECT_EQ(openWalls(*single).size(), static_cast<std::size_t>(cells - 1));
            const std::map<CellLoc, int> depth = depthsThroughOpenExits(*single);
            EXPECT_EQ(depth.size(), static_cast<std::size_t>(cells));
            expectOpenExitsSymmetric(*single);
            // The end is a dead end at least as deep as every other except the last cell carved into,
            // which the walk never compares.
            std::vector<int> deadEndDepths;
            for (const Node* n : nodeList(single->getRoot()))
            {
                if (MazeTest::countOpenExits(n) == 1 && n != single->getRoot())
                {
                    deadEndDepths.push_back(depth.at(n->getCellLoc()));
                }
            }
            std::sort(deadEndDepths.rbegin(), deadEndDepths.rend());
            const Node* end = Maze::MazeHelper::findNode(single->getRoot(), single->getEndLoc());
            ASSERT_NE(end, nullptr);
            EXPECT_EQ(MazeTest::countOpenExits(end), 1);
            if (deadEndDepths.size() > 1)
            {
                EXPECT_GE(depth.at(end->getCellLoc()), deadEndDepths[1]);
            }

            const MazePtr noDeadEnds = generateWith(describe(dims, start, seed % 2 == 0, true), seed);
            for (const Node* n : nodeList(noDeadEnds->getRoot()))
            {
                int neighbours = 0;
                for (int i = 0; i < n->getNumExits(); ++i)
                {
                    neighbours += n->getExitNode(i) != nullptr ? 1 : 0;
                }
                // A cell with one neighbour cannot stop being a dead end.
                if (neighbours > 1)
                {
                    EXPECT_NE(MazeTest::countOpenExits(n), 1) << locText(n->getCellLoc());
                }
            }
            expectOpenExitsSymmetric(*noDeadEnds);

            const MazePtr allOpen = generateWith(describe(dims, start, seed % 2 == 0, false, 100), seed);
            EXPECT_EQ(openWalls(*allOpen).size(), static_cast<std::size_t>(adjacencies(*allOpen)));
        }
    }
}

TEST(GeneratorTest, MatchesThePlainStructuresCellForCell)
{
    struct Case
    {
        const char* what;
        std::vector<int> dims;
        CellLoc start;
        bool wrap;
    };
    const Case grids[] = {
        {"square from a corner", {6, 6}, {0, 0}, false},
        {"wide from the middle", {17, 4}, {8, 2}, false},
        {"thin", {2, 40}, {1, 39}, false},
        {"thin transposed", {40, 2}, {0, 1}, false},
        {"wrapping", {7, 5}, {3, 3}, true},
        {"wrapping two wide", {2, 6}, {0, 0}, true},
        {"wrapping one wide", {1, 6}, {0, 2}, true},
        {"one wide", {1, 9}, {0, 4}, false},
        {"three dimensions", {4, 3, 3}, {1, 1, 1}, false},
    };
    for (const Case& g : grids)
    {
        Maze::TileData tiles;
        Maze::MazeHelper::makeSquareTileData(tiles, 0);
        if (g.dims.size() == 3)
        {
            tiles = Maze::TileData();
            for (int axis = 0; axis < 3; ++axis)
            {
                for (int step : {-1, 1})
                {
                    CellLoc offset(3, 0);
                    offset[axis] = step;
                    tiles.defineConnection({0, offset, 0});
                }
            }
        }
        for (bool singlePath : {false, true})
        {
            for (int options = 0; options < 4; ++options)
            {
                const bool noDeadEnds = (options & 1) != 0;
                const int openPlan = (options & 2) != 0 ? 30 : 0;
                MazeData fastDescription(tiles, g.dims, g.start, g.wrap, singlePath, noDeadEnds, openPlan);
                MazeData plainDescription = fastDescription;
                RNG::RandUniversal fastRng;
                RNG::RandUniversal plainRng;
                Maze::Generator generator(fastDescription, &fastRng);
                // Seeded runs, then unseeded runs that continue the stream.
                for (unsigned seed : {11u, 0u, 0u, 2024u, 0u})
                {
                    SCOPED_TRACE(std::string(g.what) + (singlePath ? " single path" : " Kruskal") +
                                 " options " + std::to_string(options) + " seed " + std::to_string(seed));
                    const MazePtr fast(generator.generate(seed));
                    const MazePtr plain(MazeTest::generateReference(plainDescription, plainRng, seed));
                    ASSERT_NE(fast, nullptr);
                    expectSameMaze(*fast, *plain);
                    expectOpenExitsSymmetric(*fast);
                }
            }
        }
    }
}

TEST(GeneratorTest, SeedsReproduceAndSeedZeroContinuesTheStream)
{
    const MazeData description = describe({8, 6}, {2, 3});
    RNG::RandUniversal rng;
    Maze::Generator generator(description, &rng);
    const MazePtr first(generator.generate(77));
    const MazePtr again(generator.generate(77));
    expectSameMaze(*again, *first);

    const MazePtr next(generator.generate(0));
    EXPECT_NE(MazeBench::openExitChecksum(next->getRoot()), MazeBench::openExitChecksum(first->getRoot()));

    // Seed 0 draws on from wherever the source stands.
    RNG::RandUniversal seededOutside;
    seededOutside.initialise(77u);
    Maze::Generator continuing(description, &seededOutside);
    expectSameMaze(*MazePtr(continuing.generate(0)), *first);
    expectSameMaze(*MazePtr(continuing.generate(0)), *next);
}

TEST(GeneratorTest, WithoutASourceTheSharedSimpleGeneratorIsUsed)
{
    const MazeData description = describe({6, 5}, {0, 0}, true);
    RNG::RandSimple simple(0);
    Maze::Generator own(description, &simple);
    Maze::Generator shared(description, nullptr);
    expectSameMaze(*MazePtr(shared.generate(9)), *MazePtr(own.generate(9)));

    // Two generators without a source draw on from one stream.
    Maze::Generator alsoShared(description, nullptr);
    expectSameMaze(*MazePtr(alsoShared.generate(0)), *MazePtr(own.generate(0)));

    RNG::RandUniversal universal;
    own.setRNG(&universal);
    expectSameMaze(*MazePtr(own.generate(9)), *generateWith(description, 9));
    own.setRNG(nullptr);
    expectSameMaze(*MazePtr(own.generate(5)), *MazePtr(shared.generate(5)));
}

TEST(GeneratorTest, StartOutsideTheGridIsRefusedWithoutDrawing)
{
    struct Case
    {
        const char* what;
        std::vector<int> dims;
        CellLoc start;
        bool wrap;
    };
    const Case cases[] = {
        {"left of the grid", {3, 3}, {-1, 0}, false},
        {"left of a wrapping grid", {3, 3}, {-1, 0}, true},
        {"past the top", {3, 3}, {0, 3}, false},
        {"too few coordinates", {3, 3}, {0}, false},
        {"too many coordinates", {3, 3}, {0, 0, 0}, false},
        {"an empty dimension", {3, 0}, {0, 0}, false},
        {"a negative dimension", {-2, 3}, {0, 0}, false},
    };
    for (const Case& c : cases)
    {
        for (bool singlePath : {false, true})
        {
            SCOPED_TRACE(std::string(c.what) + (singlePath ? " single path" : " Kruskal"));
            RNG::RandUniversal rng;
            rng.initialise(5u);
            Maze::Generator generator(describe(c.dims, c.start, singlePath, false, 0, c.wrap), &rng);
            EXPECT_EQ(generator.generate(0), nullptr);
            EXPECT_EQ(generator.generate(8), nullptr);
            RNG::RandUniversal untouched;
            untouched.initialise(5u);
            EXPECT_EQ(rng.getFloat(), untouched.getFloat());
        }
    }
}

TEST(GeneratorTest, WrappingNeverLinksACellToItself)
{
    for (bool singlePath : {false, true})
    {
        const MazePtr maze = generateWith(describe({1, 5}, {0, 4}, singlePath, true, 0, true), 12);
        ASSERT_NE(maze, nullptr);
        const std::vector<Node*> nodes = nodeList(maze->getRoot());
        ASSERT_EQ(nodes.size(), 5u);
        for (const Node* n : nodes)
        {
            EXPECT_EQ(n->getExitNode(2), nullptr);
            EXPECT_EQ(n->getExitNode(3), nullptr);
            EXPECT_NE(n->getExitNode(0), nullptr) << "the long dimension still wraps";
            EXPECT_NE(n->getExitNode(1), nullptr);
            EXPECT_NE(n->getExitNode(0), n);
        }
        EXPECT_EQ(depthsThroughOpenExits(*maze).size(), 5u);
    }

    // Two cells wide: exits 2 and 3 both lead to the other column, and opening one opens the way back
    // with the opposite offset: exit 2 of (0, y) opens exit 3 of (1, y), not its exit 2.
    for (unsigned seed = 1; seed <= 10; ++seed)
    {
        const MazePtr twoWide = generateWith(describe({2, 4}, {0, 0}, false, false, 0, true), seed);
        for (const Node* n : nodeList(twoWide->getRoot()))
        {
            EXPECT_EQ(n->getExitNode(2), n->getExitNode(3));
            EXPECT_NE(n->getExitNode(2), nullptr);
            const Node* other = n->getExitNode(2);
            EXPECT_EQ(n->isOpen(2), other->isOpen(3)) << locText(n->getCellLoc()) << " seed " << seed;
        }
        expectOpenExitsSymmetric(*twoWide);
    }
}

TEST(GeneratorTest, TileDataThatCannotReachEveryCellStillEnds)
{
    // Steps of two along x reach only the even columns of a 6 by 3 grid.
    Maze::TileData tiles;
    for (const CellLoc& offset : {CellLoc{0, -1}, CellLoc{0, 1}, CellLoc{2, 0}, CellLoc{-2, 0}})
    {
        tiles.defineConnection({0, offset, 0});
    }
    for (bool singlePath : {false, true})
    {
        SCOPED_TRACE(singlePath ? "single path" : "Kruskal");
        MazeData description(tiles, {6, 3}, {0, 0}, false, singlePath, false, 0);
        MazeData plainDescription = description;
        RNG::RandUniversal plainRng;
        const MazePtr maze = generateWith(description, 21);
        const MazePtr plain(MazeTest::generateReference(plainDescription, plainRng, 21));
        ASSERT_NE(maze, nullptr);
        EXPECT_EQ(nodeList(maze->getRoot()).size(), 9u);
        EXPECT_EQ(openWalls(*maze).size(), 8u);
        EXPECT_EQ(depthsThroughOpenExits(*maze).size(), 9u);
        expectSameMaze(*maze, *plain);
    }
}

TEST(GeneratorTest, CellTypesFollowTheirOwnConnections)
{
    // A checkerboard of two types: type 0 reaches right and up into type 1, type 1 left and down into type 0,
    // and both reach diagonally into their own type. The exit counts differ from the second cell on.
    Maze::TileData checkerboard;
    checkerboard.defineConnection({0, {1, 0}, 1});
    checkerboard.defineConnection({0, {0, 1}, 1});
    checkerboard.defineConnection({0, {1, 1}, 0});
    checkerboard.defineConnection({1, {-1, 0}, 0});
    checkerboard.defineConnection({1, {0, -1}, 0});
    checkerboard.defineConnection({1, {-1, -1}, 1});
    checkerboard.defineConnection({1, {1, 1}, 1});
    // Rows: the first row is of type 0 with three exits, every row above it of type 1 with four, so the
    // first cells made all have three exits before a cell with four appears.
    Maze::TileData rows;
    rows.defineConnection({0, {1, 0}, 0});
    rows.defineConnection({0, {-1, 0}, 0});
    rows.defineConnection({0, {0, 1}, 1});
    rows.defineConnection({1, {0, -1}, 0});
    rows.defineConnection({1, {0, 1}, 1});
    rows.defineConnection({1, {1, 0}, 1});
    rows.defineConnection({1, {-1, 0}, 1});
    struct Case
    {
        const char* what;
        const Maze::TileData& tiles;
        CellLoc start;
    };
    const Case cases[] = {
        {"checkerboard", checkerboard, {0, 0}},
        {"rows", rows, {2, 0}},
    };
    for (const Case& c : cases)
    {
        for (bool singlePath : {false, true})
        {
            for (unsigned seed : {1u, 2u, 3u})
            {
                SCOPED_TRACE(std::string(c.what) + (singlePath ? " single path" : " Kruskal") + " seed " +
                             std::to_string(seed));
                MazeData description(c.tiles, {5, 5}, c.start, false, singlePath, true, 20);
                MazeData plainDescription = description;
                RNG::RandUniversal plainRng;
                const MazePtr maze = generateWith(description, seed);
                const MazePtr plain(MazeTest::generateReference(plainDescription, plainRng, seed));
                ASSERT_NE(maze, nullptr);
                expectSameMaze(*maze, *plain);
                for (const Node* n : nodeList(maze->getRoot()))
                {
                    EXPECT_EQ(n->getNumExits(), n->getCellType() == 0 ? 3 : 4);
                }
                EXPECT_EQ(nodeList(maze->getRoot()).size(), 25u);
            }
        }
    }
}

TEST(GeneratorTest, OpenPlanLimits)
{
    RNG::RandUniversal plainRng;
    Maze::Generator plain(describe({9, 7}, {4, 3}), &plainRng);
    const MazePtr plainFirst(plain.generate(31));
    const MazePtr plainNext(plain.generate(0));
    // A chance of 0 or below opens nothing; only 0 also draws nothing, leaving the stream as it was.
    for (int chance : {0, -5})
    {
        SCOPED_TRACE(chance);
        RNG::RandUniversal rng;
        Maze::Generator generator(describe({9, 7}, {4, 3}, false, false, chance), &rng);
        EXPECT_EQ(openWalls(*MazePtr(generator.generate(31))), openWalls(*plainFirst));
        const MazePtr next(generator.generate(0));
        if (chance == 0)
        {
            expectSameMaze(*next, *plainNext);
        }
        else
        {
            EXPECT_NE(openWalls(*next), openWalls(*plainNext));
        }
    }
    for (int chance : {100, 250})
    {
        const MazePtr all = generateWith(describe({9, 7}, {4, 3}, true, false, chance), 31);
        EXPECT_EQ(openWalls(*all).size(), static_cast<std::size_t>(adjacencies(*all)));
    }
}

TEST(GeneratorTest, MazeOutlivesItsGeneratorAndRunsDoNotShareCells)
{
    MazePtr first;
    MazePtr second;
    {
        RNG::RandUniversal rng;
        Maze::Generator generator(describe({4, 4}, {0, 0}), &rng);
        first.reset(generator.generate(3));
        second.reset(generator.generate(3));
    }
    const std::vector<Node*> a = nodeList(first->getRoot());
    const std::vector<Node*> b = nodeList(second->getRoot());
    ASSERT_EQ(a.size(), 16u);
    for (const Node* n : a)
    {
        EXPECT_EQ(std::find(b.begin(), b.end(), n), b.end());
    }
    expectSameMaze(*first, *second);
}
