#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "random/RandUniversal.h"
#include "orvik/src/GameMaze.h"

namespace
{
using Orvik::GameMaze;
using OrvikTest::BoxView;
using OrvikTest::Config;

std::map<std::string, std::string> mazeKeys(const std::string& sizes)
{
    return {{"MAZE_SIZES", sizes},       {"MAZE_START_X", "0"},     {"MAZE_START_Y", "0"},
            {"MAZE_OPEN_PLAN_PER", "0"}, {"MAZE_DEAD_ENDS", "YES"}, {"MAZE_SINGLE_PATH", "NO"},
            {"WALL_ZPOS", "0"}};
}

struct MazeFixture
{
    MazeFixture(const std::map<std::string, std::string>& keys, int level = 0, unsigned seed = 7)
        : config(keys), view(0, 0, 640, 480)
    {
        random.initialise(seed);
        maze.reset(new GameMaze(level, &view, &random));
    }
    Config config;
    BoxView view;
    RNG::RandUniversal random;
    std::unique_ptr<GameMaze> maze;
};

TEST(GameMaze, EachLevelTakesItsEntryAndLaterLevelsTheLast)
{
    const struct
    {
        int level;
        int width;
        int height;
    } cases[] = {{0, 5, 5}, {1, 8, 6}, {2, 8, 6}, {3, 8, 6}};
    for (const auto& c : cases)
    {
        MazeFixture fixture(mazeKeys("  5,5   8,6 "), c.level);
        int w = 0;
        int h = 0;
        fixture.maze->getSize(w, h);
        EXPECT_EQ(c.width, w) << c.level;
        EXPECT_EQ(c.height, h) << c.level;
    }
}

TEST(GameMazeDeathTest, UnusableSizesOrStartsEndTheProgramNamingTheFault)
{
    const struct
    {
        const char* sizes;
        int level;
        const char* startX;
        const char* message;
    } cases[] = {
        {"", 0, "0", "ABORT: NO valid MAZE_SIZES parameter read"},
        {"   ", 2, "0", "ABORT: NO valid MAZE_SIZES parameter read"},
        {"5,5 7", 3, "0", "ABORT: Failed to get WDITH,HEIGHT from MAZE_SIZES\\[1\\] string: 7"},
        {"5,5,5", 0, "0", "ABORT: Failed to get WDITH,HEIGHT from MAZE_SIZES\\[0\\] string: 5,5,5"},
        {"1,9", 0, "0", "ABORT: Maze size 1x9 for level 0 invalid"},
        {"1,9", 4, "0", "ABORT: Maze size 1x9 for level 0 invalid"},
        {"4,x", 0, "0", "ABORT: Maze size 4x0 for level 0 invalid"},
        // The generator gives no maze for a start outside the grid, nor for a grid it cannot index.
        {"4,4", 0, "9", "ABORT: No maze generated from start 9,0 in size 4x4 for level 0"},
        {"3,3 4,4", 5, "-1", "ABORT: No maze generated from start -1,0 in size 4x4 for level 1"},
        // Past the cell bound, also where the product would not fit an int.
        {"1000,1001", 0, "0", "ABORT: Maze size 1000x1001 for level 0 invalid"},
        {"500001,2", 0, "0", "ABORT: Maze size 500001x2 for level 0 invalid"},
        {"20000,20000", 0, "0", "ABORT: Maze size 20000x20000 for level 0 invalid"},
        {"100000,100000", 0, "0", "ABORT: Maze size 100000x100000 for level 0 invalid"},
    };
    for (const auto& c : cases)
    {
        std::map<std::string, std::string> keys = mazeKeys(c.sizes);
        keys["MAZE_START_X"] = c.startX;
        EXPECT_DEATH(MazeFixture fixture(keys, c.level), c.message) << c.sizes;
    }
}

TEST(GameMaze, ALevelOfTheMostCellsIsBuilt)
{
    for (const char* sizes : {"1000,1000", "500000,2"})
    {
        MazeFixture fixture(mazeKeys(sizes));
        int w = 0;
        int h = 0;
        fixture.maze->getSize(w, h);
        EXPECT_EQ(GameMaze::MAX_CELLS, static_cast<long long>(w) * h) << sizes;
    }
}

TEST(GameMaze, HalfStepsFitTheViewBox)
{
    MazeFixture fixture(mazeKeys("10,8"));
    EXPECT_EQ(32.0f, fixture.maze->getHalfWidth());
    EXPECT_EQ(30.0f, fixture.maze->getHalfHeight());
    const MathStuff::Orientation<float> room = fixture.maze->getViewPos(0, 0);
    EXPECT_EQ(32.0f, room.position.x);
    EXPECT_EQ(30.0f, room.position.y);
    EXPECT_EQ(16.0f, room.scale.x);
    EXPECT_EQ(15.0f, room.scale.y);
    const MathStuff::Orientation<float> corner = fixture.maze->getGridPos(20, 16);
    EXPECT_EQ(640.0f, corner.position.x);
    EXPECT_EQ(480.0f, corner.position.y);
    // Integer half steps: 800 / 14 leaves a maze 798 pixels wide.
    fixture.view.box.w = 800;
    fixture.maze.reset();
    Config config(mazeKeys("7,8"));
    GameMaze seven(0, &fixture.view, &fixture.random);
    EXPECT_EQ(57.0f, seven.getHalfWidth());
}

TEST(GameMaze, PointerPicksTheNearestHalfGridPointsCell)
{
    MazeFixture fixture(mazeKeys("10,8"));
    const struct
    {
        int px;
        int py;
        bool inside;
        int x;
        int y;
    } cases[] = {
        {0, 0, true, 0, 7},     {-100, 0, false, -1, 7}, {47, 0, true, 0, 7},
        {48, 0, true, 1, 7},    {0, 44, true, 0, 7},     {0, 45, true, 0, 6},
        {620, 460, true, 9, 0}, {0, 500, false, 0, -1},  {660, 10, false, 10, 7},
    };
    for (const auto& c : cases)
    {
        int x = 99;
        int y = 99;
        EXPECT_EQ(c.inside, fixture.maze->getMazeXY(c.px, c.py, x, y)) << c.px << "," << c.py;
        EXPECT_EQ(c.x, x) << c.px << "," << c.py;
        EXPECT_EQ(c.y, y) << c.px << "," << c.py;
    }
}

TEST(GameMaze, BoxTooSmallForAHalfStepHasNoCellUnderThePointer)
{
    const struct
    {
        int width;
        int height;
    } boxes[] = {{19, 480}, {640, 15}, {0, 0}};
    for (const auto& b : boxes)
    {
        MazeFixture fixture(mazeKeys("10,8"));
        fixture.view.box.w = b.width;
        fixture.view.box.h = b.height;
        fixture.maze->setWallSizes();
        int x = 0;
        int y = 0;
        EXPECT_FALSE(fixture.maze->getMazeXY(5, 5, x, y)) << b.width << "x" << b.height;
    }
}

TEST(GameMaze, ExitsComeDownUpRightLeftAndStopAtTheBorder)
{
    std::map<std::string, std::string> keys = mazeKeys("3,3");
    keys["MAZE_OPEN_PLAN_PER"] = "100";
    MazeFixture fixture(keys);
    using Exits = std::vector<GameMaze::Direction>;
    const struct
    {
        int x;
        int y;
        Exits exits;
    } cases[] = {
        {1, 1, {GameMaze::DIR_DOWN, GameMaze::DIR_UP, GameMaze::DIR_RIGHT, GameMaze::DIR_LEFT}},
        {0, 0, {GameMaze::DIR_UP, GameMaze::DIR_RIGHT}},
        {2, 2, {GameMaze::DIR_DOWN, GameMaze::DIR_LEFT}},
        {1, 0, {GameMaze::DIR_UP, GameMaze::DIR_RIGHT, GameMaze::DIR_LEFT}},
        {3, 0, {}},
        {-1, 1, {}},
    };
    for (const auto& c : cases)
    {
        Exits exits = {GameMaze::DIR_NONE};
        fixture.maze->getExits(exits, c.x, c.y);
        EXPECT_EQ(c.exits, exits) << c.x << "," << c.y;
    }
}

TEST(GameMaze, EndRoomIsTheFarCornerFromTheStartUnlessTheGeneratorChoseIt)
{
    const struct
    {
        const char* startX;
        const char* startY;
        int endX;
        int endY;
    } cases[] = {{"0", "0", 5, 3}, {"5", "3", 0, 0}, {"2", "1", 5, 3}};
    for (const auto& c : cases)
    {
        std::map<std::string, std::string> keys = mazeKeys("6,4");
        keys["MAZE_START_X"] = c.startX;
        keys["MAZE_START_Y"] = c.startY;
        MazeFixture fixture(keys);
        int x = -1;
        int y = -1;
        fixture.maze->getEndLoc(x, y);
        EXPECT_EQ(c.endX, x);
        EXPECT_EQ(c.endY, y);
        fixture.maze->getStartLoc(x, y);
        EXPECT_EQ(std::stoi(c.startX), x);
        EXPECT_EQ(std::stoi(c.startY), y);
    }
}

TEST(GameMaze, SinglePathKeepsTheGeneratorsEndAtADeadEnd)
{
    std::map<std::string, std::string> keys = mazeKeys("6,4");
    keys["MAZE_SINGLE_PATH"] = "Y";
    for (unsigned seed : {1u, 2u, 3u, 4u})
    {
        MazeFixture fixture(keys, 0, seed);
        int x = -1;
        int y = -1;
        fixture.maze->getEndLoc(x, y);
        std::vector<GameMaze::Direction> exits;
        fixture.maze->getExits(exits, x, y);
        EXPECT_EQ(1u, exits.size()) << seed;
        EXPECT_FALSE(x == 0 && y == 0) << seed;
    }
}

TEST(GameMaze, WallPiecesDrawEachPostOnceAndEachClosedWall)
{
    const struct
    {
        const char* deadEnds;
        std::size_t pieces;
    } cases[] = {{"YES", 18u}, {"NO", 17u}};
    for (const auto& c : cases)
    {
        std::map<std::string, std::string> keys = mazeKeys("2,2");
        keys["MAZE_DEAD_ENDS"] = c.deadEnds;
        MazeFixture fixture(keys);
        std::vector<GameMaze::GridPoint> points;
        fixture.maze->getWallPoints(points);
        EXPECT_EQ(c.pieces, points.size()) << c.deadEnds;
        std::set<GameMaze::GridPoint> posts;
        std::set<GameMaze::GridPoint> all;
        for (const GameMaze::GridPoint& p : points)
        {
            EXPECT_TRUE(all.insert(p).second) << p.first << "," << p.second;
            if (p.first % 2 == 0 && p.second % 2 == 0)
                posts.insert(p);
        }
        EXPECT_EQ(9u, posts.size());
    }
}
} // namespace
