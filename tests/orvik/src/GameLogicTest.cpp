#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Devices/DeviceRegistry.h"
#include "Devices/Keyboard.h"
#include "Devices/Mouse.h"
#include "events/Event_Key.h"
#include "events/Event_InputController.h"
#include "input/I_RelativeScreenAreaFactory.h"
#include "input/InputController.h"
#include "Game/GameManager.h"
#include "Game/LogicController.h"
#include "MenuFakes.h"
#include "TestSupport.h"
#include "support/RecordingConsumer.h"
#include "events/EventTypes.h"
#include "events/Event_Mouse.h"
#include "events/Event_Screen.h"
#include "events/Event_Update.h"
#include "orvik/src/GameLogic.h"
#include "orvik/src/GameMaze.h"
#include "orvik/src/GameView.h"
#include "orvik/src/Globals.h"
#include "orvik/src/MenuLogic.h"
#include "orvik/src/MyEvents.h"
#include "orvik/src/PausedLogic.h"
#include "orvik/src/Player.h"
#include "orvik/src/ScreenAreaRenderer.h"
#include "support/TempDir.h"

namespace
{
using Orvik::GameMaze;
using Keys = std::map<std::string, std::string>;

const char* const c_gameInput = "INPUT_CONTROLLER_NAME == GAME\n"
                                "GAME_AREA_LIST == ANYWHERE, PLAYER\n"
                                "GAME_ANYWHERE_POS == 0,0\n"
                                "GAME_ANYWHERE_SIZE == 100,100\n"
                                "GAME_PLAYER_POS == -5,-5\n"
                                "GAME_PLAYER_SIZE == 0,0\n"
                                "GAME_PLAYER_RELATIVE_AREA == PLAYER\n"
                                "GAME_SWITCH_LIST == UP\n"
                                "GAME_UP_TRIGGER == KEY:UP\n"
                                "GAME_UP_DELAYS == 0,0,0,0\n"
                                "GAME_UP_AREA == ANYWHERE, PLAYER\n"
                                "GAME_UP_PRESS == MOVE_UP\n";

class MoveToLog : public EVT::I_EventConsumer
{
public:
    MoveToLog() { EVT::EventBus::instance().addConsumer(Orvik::MOVE_TO, this); }
    void handleEvent(EVT::I_Event* event) override
    {
        if (const Orvik::Event_MoveTo* target = EVT::eventAs<Orvik::Event_MoveTo>(event))
            cells.push_back(std::to_string(target->x) + "," + std::to_string(target->y));
    }
    std::vector<std::string> cells;
};

// The running state under the real game manager and state machine: MENUS, RUNNING, PAUSED, as the
// start-up orders them, driven by UPDATE events.
struct RunningFixture
{
    explicit RunningFixture(std::map<std::string, std::string> keys = {},
                            const std::string& input = c_gameInput)
        : dir("orvik-running"), manager(50, 0)
    {
        const std::map<std::string, std::string> defaults = {
            {"MAZE_SIZES", "2,2 3,2"},
            {"MAZE_OPEN_PLAN_PER", "100"},
            {"MAZE_DEAD_ENDS", "NO"},
            {"MAZE_SEED", "11"},
            {"PLAYER_MOVE_DELAY", "100"},
            {"PLAYER_ESCAPE_DELAY", "200"},
            {"PLAYER_CHANGE_DIR_DELAY", "500"},
            {"GAME_VIEW_BOX", "0,0,100,100"},
            {"GAME_INPUT_BOX", "0,0,100,100"},
            {"MUSIC_ON", "YES"},
            {"GAME_INPUT_CFG", dir.write("game.cfg", input)}};
        keys.insert(defaults.begin(), defaults.end());
        for (const auto& key : keys)
            config.set(key.first, key.second);
        Orvik::globals().gameManager = &manager;
        EVT::Event_Screen screen(EVT::EVENT_SCREEN, 800, 600);
        EVT::EventBus::instance().raiseEvent(&screen, false);
        renderer.reset(new Orvik::ScreenAreaRenderer());
        Orvik::globals().screenAreaRenderer = renderer.get();
        running = new Orvik::GameLogic(&manager);
        logic.add("MENUS", new Orvik::MenuLogic(), {});
        logic.add("RUNNING", running, {{"QUIT", "MENUS"}, {"PAUSED", "PAUSED"}, {"ESCAPED", "MENUS"}});
        logic.add("PAUSED", new Orvik::PausedLogic(&manager), {{"RUNNING", "RUNNING"}, {"QUIT", "EXIT"}});
        manager.setLogicController(&logic);
    }
    ~RunningFixture()
    {
        manager.setLogicController(nullptr);
        Orvik::globals().screenAreaRenderer = nullptr;
        Orvik::globals().gameManager = nullptr;
    }
    void update(float dt)
    {
        EVT::Event_Update event(EVT::EVENT_UPDATE, dt);
        EVT::EventBus::instance().raiseEvent(&event, false);
    }
    void raise(int type) { EVT::EventBus::instance().raiseEvent(type, false); }
    std::pair<int, int> pos() const
    {
        int x = -1;
        int y = -1;
        running->getPlayer()->getPos(x, y);
        return std::make_pair(x, y);
    }
    std::pair<int, int> mazeSize() const
    {
        int w = 0;
        int h = 0;
        running->getMaze()->getSize(w, h);
        return std::make_pair(w, h);
    }

    OrvikTest::Config config;
    Testing::TempDir dir;
    Game::GameManager manager;
    std::unique_ptr<Orvik::ScreenAreaRenderer> renderer;
    // Declared after the manager and the renderer, so it goes first.
    Game::LogicController logic;
    Orvik::GameLogic* running;
};

TEST(GameLogic, TheThirdStateBuildsTheLevelAndStartsItsInputAndMusic)
{
    RunningFixture f;
    Testing::RecordingConsumer log({EVT::EVENT_MUSIC, EVT::EVENT_INPUT_CONTROLLER});
    EXPECT_EQ(nullptr, f.running->getView());
    // MENUS answers at once, so RUNNING is entered in the first update.
    f.update(10.0f);
    ASSERT_NE(nullptr, f.running->getView());
    EXPECT_EQ(f.running->getMaze(), f.running->getView()->getMaze());
    EXPECT_EQ(f.running->getPlayer(), f.running->getView()->getPlayer());
    EXPECT_EQ(std::make_pair(2, 2), f.mazeSize());
    EXPECT_EQ((std::vector<std::string>{"INPUT_CONTROLLER", "MUSIC:GAME_MUSIC"}), log.lines());
}

TEST(GameLogic, AnEscapedLevelEndsAndTheNextOneIsBuiltAtItsSize)
{
    RunningFixture f;
    Testing::RecordingConsumer log({EVT::EVENT_MUSIC, EVT::EVENT_SOUND, Orvik::ESCAPED});
    f.update(10.0f);
    ASSERT_EQ(std::make_pair(0, 0), f.pos());
    f.raise(Orvik::MOVE_RIGHT);
    f.update(100.0f);
    f.raise(Orvik::MOVE_UP);
    f.update(100.0f);
    ASSERT_EQ(std::make_pair(1, 1), f.pos());
    EXPECT_EQ((std::vector<std::string>{"MUSIC:GAME_MUSIC", "MUSIC:", "SOUND:WOOHOO"}), log.lines());
    GameMaze* first = f.running->getMaze();
    f.update(200.0f);
    f.update(200.0f);
    EXPECT_EQ(0u, f.running->getPlayer()->getFootprints().size());
    EXPECT_EQ(0, f.running->getLevel());
    f.update(200.0f);
    EXPECT_EQ(1, f.running->getLevel());
    EXPECT_EQ(nullptr, f.running->getView());
    f.update(10.0f);
    f.update(10.0f);
    ASSERT_NE(nullptr, f.running->getMaze());
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(std::make_pair(3, 2), f.mazeSize());
}

TEST(GameLogic, APauseKeepsTheLevelAndResumesIt)
{
    RunningFixture f(Keys{{"AUTO_PAUSE_DELAY", "1000"}});
    MenuTest::MenuServices menu;
    for (const auto& key : MenuTest::menuKeys())
        f.config.set(key.first, key.second);
    f.config.set("MENU_INPUT_BOX", "0,0,100,100");
    f.config.set("MENU_INPUT_CFG", f.dir.write("menu.cfg", "INPUT_CONTROLLER_NAME == MENU\n"
                                                           "MENU_AREA_LIST == ANYWHERE\n"
                                                           "MENU_ANYWHERE_POS == 0,0\n"
                                                           "MENU_ANYWHERE_SIZE == 100,100\n"));
    Testing::RecordingConsumer log({EVT::EVENT_PAUSE, EVT::EVENT_RESUME, EVT::EVENT_MUSIC});
    f.update(10.0f);
    f.raise(Orvik::MOVE_RIGHT);
    f.update(100.0f);
    GameMaze* maze = f.running->getMaze();
    // Moves restart the countdown, even one into a wall; a move to a cell does not.
    f.update(800.0f);
    f.raise(Orvik::MOVE_DOWN);
    f.update(900.0f);
    Orvik::Event_MoveTo moveTo(1, 0);
    EVT::EventBus::instance().raiseEvent(&moveTo, false);
    EXPECT_EQ((std::vector<std::string>{"MUSIC:GAME_MUSIC"}), log.lines());
    f.update(100.0f);
    EXPECT_EQ((std::vector<std::string>{"MUSIC:GAME_MUSIC", "PAUSE"}), log.lines());
    // The pause menu stays up until resume is chosen; RUNNING then carries on with the same level.
    f.update(10.0f);
    EXPECT_EQ(2u, log.lines().size());
    f.raise(EVT::EVENT_MENU_NEXT_ITEM);
    f.raise(EVT::EVENT_MENU_SELECT);
    f.update(10.0f);
    EXPECT_EQ((std::vector<std::string>{"MUSIC:GAME_MUSIC", "PAUSE", "RESUME", "MUSIC:GAME_MUSIC"}),
              log.lines());
    EXPECT_EQ(maze, f.running->getMaze());
    EXPECT_EQ(std::make_pair(1, 0), f.pos());
    EXPECT_EQ(1u, f.running->getPlayer()->getFootprints().size());
    f.update(999.0f);
    EXPECT_EQ(4u, log.lines().size());
    f.update(1.0f);
    EXPECT_EQ("PAUSE", log.lines().back());
}

TEST(GameLogic, NoAutoPauseWithoutADelay)
{
    RunningFixture f;
    Testing::RecordingConsumer log({EVT::EVENT_PAUSE});
    f.update(10.0f);
    f.update(10.0f);
    for (int i = 0; i < 10; ++i)
        f.update(100000.0f);
    EXPECT_TRUE(log.lines().empty());
}

TEST(GameLogic, APauseInTheUpdateThatEscapesStillEndsTheLevel)
{
    RunningFixture f;
    f.update(10.0f);
    f.update(10.0f);
    ASSERT_NE(nullptr, f.running->getView());
    f.raise(Orvik::ESCAPED);
    f.raise(EVT::EVENT_PAUSE);
    EXPECT_EQ(Orvik::GameLogic::STATE_ESCAPED, f.running->onUpdate(0.0f));
    EXPECT_EQ(nullptr, f.running->getView());
    EXPECT_EQ(1, f.running->getLevel());
    f.raise(EVT::EVENT_RESUME);
}

TEST(GameLogic, MoveToMouseAsksForTheCellUnderThePointerInAViewportLowInTheWindow)
{
    // The box fills the window's lower half: 800 by 300 pixels from the bottom; a 10 by 8 maze of
    // half steps 40 and 18 reaches 288 pixels up, to 312 from the window's top.
    RunningFixture f(Keys{{"MAZE_SIZES", "10,8"}, {"GAME_VIEW_BOX", "0,0,100,50"}});
    Devices::Mouse mouse(800, 600, 1.0f, 1.0f);
    Devices::setMouse(&mouse);
    f.update(10.0f);
    f.update(10.0f);
    MoveToLog moves;
    const struct
    {
        int x;
        int y;
        const char* cell;
    } cases[] = {
        {60, 320, "1,7"}, {60, 590, "1,0"}, {760, 400, "9,5"}, {60, 20, nullptr}, {60, 280, nullptr}};
    for (const auto& c : cases)
    {
        moves.cells.clear();
        EVT::Event_Mouse move(EVT::EVENT_MOUSE, c.x, c.y, 0, 0, false);
        mouse.handleEvent(&move);
        ASSERT_EQ(c.x, mouse.getX());
        f.raise(Orvik::MOVE_TO_MOUSE);
        EXPECT_EQ(c.cell ? std::vector<std::string>{c.cell} : std::vector<std::string>{}, moves.cells)
            << c.x << "," << c.y;
    }
    Devices::setMouse(nullptr);
}

// The input layer would read each as an empty configuration and give a level no binding reaches.
TEST(GameLogicDeathTest, AGameInputFileThatCannotBeReadEndsTheProgram)
{
    for (const char* name : {"missing.cfg", "."})
        EXPECT_DEATH(
            {
                RunningFixture f;
                f.config.set("GAME_INPUT_CFG", f.dir.path(name));
                f.update(10.0f);
                f.update(10.0f);
            },
            std::string("ABORT: Failed to create GAME InputController using .*") + name)
            << name;
}

TEST(GameLogic, AnEmptyGameInputFileIsAccepted)
{
    RunningFixture f({}, "");
    f.update(10.0f);
    f.update(10.0f);
    ASSERT_NE(nullptr, f.running->getMaze());
    EXPECT_EQ(std::make_pair(2, 2), f.mazeSize());
}

TEST(GameLogicDeathTest, AGameInputFileThatCannotBeUsedEndsTheProgram)
{
    const struct
    {
        const char* input;
        const char* message;
    } cases[] = {
        {"INPUT_CONTROLLER_NAME == GAME\nGAME_SWITCH_LIST == X\nGAME_X_TRIGGER == KEY\n",
         "ABORT: Failed to create GAME InputController using .*game.cfg"},
        {"INPUT_CONTROLLER_NAME == GAME\nGAME_AREA_LIST == T\nGAME_T_POS == 0,0\nGAME_T_SIZE == 1,1\n"
         "GAME_T_RELATIVE_AREA == player\n",
         "ABORT: Unknown Player ScreenArea type: player"},
        {"INPUT_CONTROLLER_NAME == GAME\nGAME_AREA_LIST == T\nGAME_T_POS == 0,0\nGAME_T_SIZE == 1,1\n"
         "GAME_T_RELATIVE_AREA == PLAYER2\n",
         "ABORT: Unknown Player ScreenArea type: PLAYER2"},
    };
    for (const auto& c : cases)
    {
        EXPECT_DEATH(
            {
                RunningFixture f({}, c.input);
                f.update(10.0f);
                f.update(10.0f);
            },
            c.message);
    }
}

TEST(GameLogic, DestroyedBeforeAnyLevelLeavesNothingBehind)
{
    OrvikTest::Config config(Keys{{"AUTO_PAUSE_DELAY", "100"}});
    Game::GameManager manager(50, 0);
    Testing::RecordingConsumer log({EVT::EVENT_PAUSE});
    {
        Orvik::GameLogic running(&manager);
        EXPECT_EQ(nullptr, running.getView());
    }
    EVT::EventBus::instance().raiseEvent(Orvik::MOVE_UP, false);
    Game::TimerBase::onUpdate(1000.0f);
    EXPECT_TRUE(log.lines().empty());
}
} // namespace
