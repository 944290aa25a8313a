#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "FakeMaze.h"
#include "Game/TimerBase.h"
#include "TestSupport.h"
#include "support/RecordingConsumer.h"
#include "events/EventBus.h"
#include "events/EventTypes.h"
#include "orvik/src/MyEvents.h"
#include "orvik/src/Player.h"

namespace
{
using Orvik::GameMaze;
using OrvikTest::FakeMaze;
using Cell = FakeMaze::Cell;
using Passages = std::vector<std::pair<Cell, Cell>>;

// (0,0) dead end - (1,0) - (2,0) - (3,0) junction up, right and left; (4,0) a bend up to the dead
// end (4,1); (3,1) a dead end.
const Passages c_corridorMap = {{{0, 0}, {1, 0}}, {{1, 0}, {2, 0}}, {{2, 0}, {3, 0}},
                                {{3, 0}, {3, 1}}, {{3, 0}, {4, 0}}, {{4, 0}, {4, 1}}};
// (1,0) leads up into the junction (1,1), which opens down, right to the dead end (2,1) and left to
// the dead end (0,1).
const Passages c_junctionMap = {{{1, 0}, {1, 1}}, {{1, 1}, {2, 1}}, {{1, 1}, {0, 1}}};

struct PlayerFixture
{
    PlayerFixture(const Passages& passages, Cell start, Cell end,
                  std::map<std::string, std::string> keys = {})
        : config(withDefaults(keys)), maze(passages, start, end), player(new Orvik::Player(&maze))
    {
    }
    static std::map<std::string, std::string> withDefaults(std::map<std::string, std::string> keys)
    {
        const std::map<std::string, std::string> defaults = {{"MAZE_SIZES", "2,2"},
                                                             {"PLAYER_MOVE_DELAY", "100"},
                                                             {"PLAYER_CHANGE_DIR_DELAY", "500"},
                                                             {"PLAYER_ESCAPE_DELAY", "200"}};
        keys.insert(defaults.begin(), defaults.end());
        return keys;
    }
    // One UPDATE as the game manager runs it: the timers, then the player.
    void tick(float dt)
    {
        Game::TimerBase::onUpdate(dt);
        player->onUpdate(dt);
    }
    void raise(int type) { EVT::EventBus::instance().raiseEvent(type, false); }
    Cell pos() const
    {
        int x = 0;
        int y = 0;
        player->getPos(x, y);
        return Cell(x, y);
    }
    // START_MOVE and the updates until the walk stops (or a limit).
    void walk()
    {
        raise(Orvik::START_MOVE);
        tick(1.0f);
        for (int i = 0; i < 40 && !player->isEscaping() &&
                        (player->isMoving() || player->getOffered() == GameMaze::DIR_NONE);
             ++i)
            tick(100.0f);
    }
    std::vector<std::string> render()
    {
        maze.drawn.clear();
        player->onRender();
        return maze.drawn;
    }

    OrvikTest::Config config;
    FakeMaze maze;
    std::unique_ptr<Orvik::Player> player;
};

TEST(Player, OffersEachExitInTurnAndWrapsAround)
{
    PlayerFixture junction(c_corridorMap, {3, 0}, {9, 9});
    const GameMaze::Direction expected[] = {GameMaze::DIR_UP, GameMaze::DIR_RIGHT, GameMaze::DIR_LEFT,
                                            GameMaze::DIR_UP};
    for (GameMaze::Direction offered : expected)
    {
        EXPECT_EQ(offered, junction.player->getOffered());
        junction.tick(250.0f);
        EXPECT_EQ(offered, junction.player->getOffered());
        junction.tick(250.0f);
    }
    PlayerFixture deadEnd(c_corridorMap, {0, 0}, {9, 9});
    deadEnd.tick(500.0f);
    EXPECT_EQ(GameMaze::DIR_RIGHT, deadEnd.player->getOffered());
    EXPECT_EQ((std::vector<std::string>{"CHOICE@0,0>RIGHT", "PLAYER@0,0"}), deadEnd.render());
}

TEST(Player, WalksAlongACorridorAndStopsAtAJunctionLeavingATrail)
{
    PlayerFixture f(c_corridorMap, {0, 0}, {9, 9});
    f.raise(Orvik::START_MOVE);
    EXPECT_EQ(GameMaze::DIR_NONE, f.player->getOffered());
    f.tick(1.0f);
    EXPECT_TRUE(f.player->isMoving());
    EXPECT_EQ((std::vector<std::string>{"PLAYER@0,0>RIGHT"}), f.render());
    f.tick(100.0f);
    EXPECT_EQ(Cell(1, 0), f.pos());
    EXPECT_FALSE(f.player->isMoving());
    for (int i = 0; i < 4; ++i)
        f.tick(100.0f);
    EXPECT_EQ(Cell(3, 0), f.pos());
    EXPECT_FALSE(f.player->isMoving());
    EXPECT_EQ(GameMaze::DIR_UP, f.player->getOffered());
    f.tick(100.0f);
    EXPECT_EQ(Cell(3, 0), f.pos());
    EXPECT_EQ((std::vector<std::string>{"FOOTPRINT@0,0>RIGHT", "FOOTPRINT@1,0>RIGHT", "FOOTPRINT@2,0>RIGHT",
                                        "CHOICE@3,0>UP", "PLAYER@3,0"}),
              f.render());
}

TEST(Player, FollowsABendTurnsBackAtADeadEndAndTakesItsFootprintBack)
{
    PlayerFixture f(c_corridorMap, {3, 0}, {9, 9});
    f.tick(500.0f);
    ASSERT_EQ(GameMaze::DIR_RIGHT, f.player->getOffered());
    f.walk();
    EXPECT_EQ(Cell(4, 1), f.pos());
    EXPECT_EQ(GameMaze::DIR_DOWN, f.player->getOffered());
    ASSERT_EQ(2u, f.player->getFootprints().size());
    EXPECT_EQ(GameMaze::DIR_UP, f.player->getFootprints().back().dir);
    f.walk();
    EXPECT_EQ(Cell(3, 0), f.pos());
    EXPECT_TRUE(f.player->getFootprints().empty());
}

TEST(Player, AJunctionKeepsTheWayInOrTakesTheFirstThatDoesNotLeadBack)
{
    PlayerFixture walked(c_junctionMap, {1, 0}, {9, 9});
    walked.walk();
    EXPECT_EQ(Cell(1, 1), walked.pos());
    EXPECT_EQ(GameMaze::DIR_DOWN, walked.player->getOffered());

    PlayerFixture stepped(c_junctionMap, {1, 0}, {9, 9});
    stepped.raise(Orvik::MOVE_UP);
    stepped.tick(100.0f);
    EXPECT_EQ(Cell(1, 1), stepped.pos());
    EXPECT_EQ(GameMaze::DIR_NONE, stepped.player->getOffered());
    stepped.walk();
    EXPECT_EQ(Cell(2, 1), stepped.pos());
}

TEST(Player, ADirectMoveIntoAWallEndsTheOfferUntilTheNextStop)
{
    PlayerFixture f(c_junctionMap, {1, 0}, {9, 9});
    f.walk();
    ASSERT_EQ(Cell(1, 1), f.pos());
    f.raise(Orvik::MOVE_UP);
    EXPECT_EQ(GameMaze::DIR_NONE, f.player->getOffered());
    f.tick(1000.0f);
    EXPECT_EQ(Cell(1, 1), f.pos());
    EXPECT_EQ((std::vector<std::string>{"FOOTPRINT@1,0>UP", "PLAYER@1,1"}), f.render());
    // The walk goes on the way it came in (up, closed): the first exit that does not lead back.
    f.walk();
    EXPECT_EQ(Cell(2, 1), f.pos());
    EXPECT_EQ(GameMaze::DIR_LEFT, f.player->getOffered());
}

TEST(Player, DirectMovesWaitForTheDoorwayToBeLeft)
{
    PlayerFixture f(c_corridorMap, {0, 0}, {9, 9});
    f.raise(Orvik::MOVE_RIGHT);
    EXPECT_TRUE(f.player->isMoving());
    f.tick(50.0f);
    f.raise(Orvik::MOVE_RIGHT);
    f.tick(50.0f);
    EXPECT_EQ(Cell(1, 0), f.pos());
    EXPECT_FALSE(f.player->isMoving());
    f.tick(100.0f);
    EXPECT_EQ(Cell(1, 0), f.pos());
    f.raise(Orvik::MOVE_RIGHT);
    EXPECT_TRUE(f.player->isMoving());
    f.tick(100.0f);
    EXPECT_EQ(Cell(2, 0), f.pos());
}

TEST(Player, MoveToTriesTheLongerAxisFirstAndHorizontalOnATie)
{
    Passages open;
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y)
        {
            if (x < 3)
                open.push_back({{x, y}, {x + 1, y}});
            if (y < 3)
                open.push_back({{x, y}, {x, y + 1}});
        }
    Passages rightClosed = open;
    rightClosed.erase(rightClosed.begin());
    const struct
    {
        const Passages* map;
        Cell target;
        GameMaze::Direction dir;
    } cases[] = {
        {&open, {3, 3}, GameMaze::DIR_RIGHT},       {&rightClosed, {3, 3}, GameMaze::DIR_UP},
        {&open, {1, 2}, GameMaze::DIR_UP},          {&open, {0, 0}, GameMaze::DIR_NONE},
        {&rightClosed, {3, 0}, GameMaze::DIR_NONE},
    };
    for (const auto& c : cases)
    {
        PlayerFixture f(*c.map, {0, 0}, {9, 9});
        Orvik::Event_MoveTo target(c.target.first, c.target.second);
        EVT::EventBus::instance().raiseEvent(&target, false);
        EXPECT_EQ(c.dir != GameMaze::DIR_NONE, f.player->isMoving())
            << c.target.first << "," << c.target.second;
        if (c.dir != GameMaze::DIR_NONE)
        {
            EXPECT_EQ(c.dir, f.player->getMoveDir());
        }
    }
    // The own cell leaves even the offer alone; a blocked target ends it.
    PlayerFixture own(open, {0, 0}, {9, 9});
    Orvik::Event_MoveTo here(0, 0);
    EVT::EventBus::instance().raiseEvent(&here, false);
    EXPECT_NE(GameMaze::DIR_NONE, own.player->getOffered());
}

TEST(Player, AMoveToEventWithoutATargetIsIgnored)
{
    PlayerFixture f(c_corridorMap, {0, 0}, {9, 9});
    EVT::EventWithString named(Orvik::MOVE_TO, "1,0");
    EVT::EventBus::instance().raiseEvent(&named, false);
    EXPECT_FALSE(f.player->isMoving());
    EXPECT_EQ(GameMaze::DIR_RIGHT, f.player->getOffered());
}

TEST(Player, AStepAndItsReverseLeaveTheTrailAsItWas)
{
    PlayerFixture f(c_corridorMap, {0, 0}, {9, 9});
    f.raise(Orvik::MOVE_RIGHT);
    f.tick(100.0f);
    f.raise(Orvik::MOVE_RIGHT);
    f.tick(100.0f);
    ASSERT_EQ(2u, f.player->getFootprints().size());
    f.raise(Orvik::MOVE_RIGHT);
    f.tick(100.0f);
    f.raise(Orvik::MOVE_LEFT);
    f.tick(100.0f);
    EXPECT_EQ(Cell(2, 0), f.pos());
    ASSERT_EQ(2u, f.player->getFootprints().size());
    EXPECT_EQ(1, f.player->getFootprints().back().x);
    EXPECT_EQ(GameMaze::DIR_RIGHT, f.player->getFootprints().back().dir);
}

TEST(Player, TheEscapeErasesOneFootprintEachDelayThenRaisesEscaped)
{
    const Passages line = {{{0, 0}, {1, 0}}, {{1, 0}, {2, 0}}, {{2, 0}, {3, 0}}, {{3, 0}, {4, 0}}};
    PlayerFixture f(line, {0, 0}, {4, 0});
    Testing::RecordingConsumer log({EVT::EVENT_MUSIC, EVT::EVENT_SOUND, Orvik::ESCAPED});
    f.walk();
    ASSERT_EQ(Cell(4, 0), f.pos());
    EXPECT_EQ((std::vector<std::string>{"MUSIC:", "SOUND:WOOHOO"}), log.lines());
    EXPECT_TRUE(f.player->isEscaping());
    EXPECT_EQ(4u, f.player->getFootprints().size());
    // Moves are ignored while escaping, and the token shows it.
    f.raise(Orvik::START_MOVE);
    f.raise(Orvik::MOVE_LEFT);
    EXPECT_FALSE(f.player->isMoving());
    EXPECT_EQ("ESCAPED@4,0", f.render().back());
    for (std::size_t left = 3; left + 1 > 0; --left)
    {
        f.tick(199.0f);
        EXPECT_EQ(left + 1, f.player->getFootprints().size());
        f.tick(1.0f);
        EXPECT_EQ(left, f.player->getFootprints().size());
        EXPECT_EQ(Cell(4, 0), f.pos());
    }
    EXPECT_EQ(2u, log.lines().size());
    f.tick(200.0f);
    EXPECT_EQ((std::vector<std::string>{"MUSIC:", "SOUND:WOOHOO", "ESCAPED"}), log.lines());
    EXPECT_FALSE(f.player->isEscaping());
}

TEST(Player, ZeroDelaysActAsTheShortestInsteadOfStoppingOrRepeating)
{
    const Passages line = {{{0, 0}, {1, 0}}, {{1, 0}, {2, 0}}};
    PlayerFixture f(line, {0, 0}, {2, 0}, {{"PLAYER_MOVE_DELAY", "0"}, {"PLAYER_ESCAPE_DELAY", "0"}});
    Testing::RecordingConsumer log({EVT::EVENT_SOUND, Orvik::ESCAPED});
    f.raise(Orvik::MOVE_RIGHT);
    f.tick(16.0f);
    EXPECT_EQ(Cell(1, 0), f.pos());
    EXPECT_FALSE(f.player->isMoving());
    f.raise(Orvik::MOVE_RIGHT);
    f.tick(16.0f);
    EXPECT_EQ(Cell(2, 0), f.pos());
    EXPECT_TRUE(f.player->isEscaping());
    for (int i = 0; i < 2; ++i)
        f.tick(16.0f);
    EXPECT_TRUE(f.player->getFootprints().empty());
    EXPECT_EQ((std::vector<std::string>{"SOUND:WOOHOO"}), log.lines());
    f.tick(16.0f);
    EXPECT_EQ((std::vector<std::string>{"SOUND:WOOHOO", "ESCAPED"}), log.lines());
}

TEST(Player, AWalkPastAJunctionsLastExitsKeepsItsWayOnStartMove)
{
    // Junction (2,1) with four exits; left runs through the corridor (1,1) to the bend (0,1), then up
    // the corridor (0,2) to the dead end (0,3).
    const Passages map = {{{2, 1}, {2, 0}}, {{2, 1}, {2, 2}}, {{2, 1}, {3, 1}}, {{2, 1}, {1, 1}},
                          {{1, 1}, {0, 1}}, {{0, 1}, {0, 2}}, {{0, 2}, {0, 3}}};
    PlayerFixture f(map, {2, 1}, {9, 9});
    for (int i = 0; i < 3; ++i)
        f.tick(500.0f);
    ASSERT_EQ(GameMaze::DIR_LEFT, f.player->getOffered());
    f.raise(Orvik::START_MOVE);
    f.tick(1.0f);
    for (int i = 0; i < 6; ++i)
        f.tick(100.0f);
    ASSERT_EQ(Cell(0, 2), f.pos());
    ASSERT_EQ(GameMaze::DIR_UP, f.player->getMoveDir());
    // The offer's index still points at the junction's fourth exit, past the corridor's two.
    f.raise(Orvik::START_MOVE);
    EXPECT_EQ(GameMaze::DIR_UP, f.player->getMoveDir());
    f.tick(1.0f);
    f.tick(100.0f);
    EXPECT_EQ(Cell(0, 3), f.pos());
}

TEST(Player, WithoutAnOfferStartMoveWaitsForADirectMovesDirection)
{
    PlayerFixture f(c_corridorMap, {2, 0}, {9, 9}, {{"PLAYER_CHANGE_DIR_DELAY", "0"}});
    EXPECT_EQ(GameMaze::DIR_NONE, f.player->getOffered());
    EXPECT_EQ((std::vector<std::string>{"PLAYER@2,0"}), f.render());
    f.raise(Orvik::START_MOVE);
    for (int i = 0; i < 3; ++i)
        f.tick(100.0f);
    EXPECT_EQ(Cell(2, 0), f.pos());
    EXPECT_FALSE(f.player->isMoving());
    f.raise(Orvik::MOVE_LEFT);
    f.tick(100.0f);
    ASSERT_EQ(Cell(1, 0), f.pos());
    f.raise(Orvik::START_MOVE);
    for (int i = 0; i < 6; ++i)
        f.tick(100.0f);
    // On to the dead end, where it stands: nothing is offered.
    EXPECT_EQ(Cell(0, 0), f.pos());
    EXPECT_FALSE(f.player->isMoving());
    EXPECT_EQ(GameMaze::DIR_NONE, f.player->getOffered());
}
} // namespace
