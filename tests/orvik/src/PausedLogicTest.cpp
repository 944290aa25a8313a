#include <gtest/gtest.h>

// The pause state gives its input controller the game's screen-area renderer; these tests run once the
// game's renderer is built into the game library.
#if __has_include("orvik/src/ScreenAreaRenderer.cpp")

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Game/FlagTimer.h"
#include "Game/LogicController.h"
#include "Game/ViewManager.h"
#include "Menu/CallBackInfo.h"
#include "MenuFakes.h"
#include "Devices/Mouse.h"
#include "events/EventBus.h"
#include "events/EventTypes.h"
#include "events/Event_InputController.h"
#include "events/Event_Mouse.h"
#include "events/Event_PreUpdate.h"
#include "events/Event_Screen.h"
#include "events/Event_Update.h"
#include "input/InputController.h"
#include "orvik/src/ExitLogic.h"
#include "orvik/src/GameLogic.h"
#include "orvik/src/GameMaze.h"
#include "orvik/src/MenuLogic.h"
#include "orvik/src/MyEvents.h"
#include "orvik/src/Player.h"
#include "orvik/src/PausedLogic.h"
#include "orvik/src/ScreenAreaRenderer.h"
#include "support/InputConfigText.h"
#include "support/RecordingConsumer.h"

namespace
{
typedef std::map<std::string, std::string> Keys;

// Stands in for the running level: it holds one of the level's timers and the "GAME" input controller,
// activates that controller on entry and asks for the pause menu after a pause.
class Level : public Game::I_LogicState
{
public:
    explicit Level(MenuTest::BoxAreaRenderer* areas) : game("GAME", areas) {}
    void setPause(bool paused) override
    {
        if (paused)
            next = "PAUSED";
    }
    void onEnter(const std::string& from, const std::string&) override
    {
        entries.push_back(from);
        next = "";
        if (!timer.isActive())
            timer.start(1000.0f, 0.0f);
        EVT::Event_InputController activate(EVT::EVENT_INPUT_CONTROLLER, "GAME", true);
        EVT::EventBus::instance().raiseEvent(&activate, false);
    }
    std::string onUpdate(float) override { return next; }
    void doExit(const std::string&) override {}

    Input::InputController game;
    Game::FlagTimer timer;
    std::vector<std::string> entries;
    std::string next;
};

std::string menuInput()
{
    return Testing::InputConfigText("MENU")
        .area("ANYWHERE")
        .switchOn("NEXT", "KEY:DOWN")
        .set("NEXT", "PRESS", "MENU_NEXT_ITEM")
        .text();
}

// The game manager and the logic controller of the program with the RUNNING, PAUSED and EXIT states,
// driven frame by frame.
class PauseGame
{
public:
    explicit PauseGame(const Keys& keys, const std::string& input = menuInput())
        : services(keys), log({EVT::EVENT_PAUSE, EVT::EVENT_RESUME, EVT::EVENT_SHUTDOWN})
    {
        services.config.set("MENU_INPUT_CFG", services.dir.write("menu.cfg", input));
        services.config.set("MENU_INPUT_BOX", "0,0,100,100");
        services.config.set("PAUSE_MENU_QUIT", "Quit");
        services.config.set("PAUSE_MENU_RESUME", "Resume");
        renderer.reset(new Orvik::ScreenAreaRenderer());
        Orvik::globals().screenAreaRenderer = renderer.get();
        level = new Level(&services.areas);
        paused = new Orvik::PausedLogic(&services.manager);
        logic.reset(new Game::LogicController());
        logic->add("RUNNING", level, {{"PAUSED", "PAUSED"}});
        logic->add("PAUSED", paused, {{"RUNNING", "RUNNING"}, {"QUIT", "EXIT"}});
        logic->add("EXIT", new Orvik::ExitLogic(), {});
        services.manager.setLogicController(logic.get());
        EVT::Event_Screen screen(EVT::EVENT_SCREEN, 800, 600);
        EVT::EventBus::instance().raiseEvent(&screen, false);
        frame();
    }
    ~PauseGame()
    {
        services.manager.setLogicController(nullptr);
        logic.reset();
        Orvik::globals().screenAreaRenderer = nullptr;
    }

    void frame()
    {
        EVT::Event_PreUpdate preUpdate(EVT::EVENT_PRE_UPDATE, 10.0f);
        EVT::EventBus::instance().raiseEvent(&preUpdate, false);
        EVT::Event_Update update(EVT::EVENT_UPDATE, 10.0f);
        EVT::EventBus::instance().raiseEvent(&update, false);
    }
    static void raise(int type) { EVT::EventBus::instance().raiseEvent(type, false); }
    // PAUSE, then the frame in which the level answers it.
    void pause()
    {
        raise(EVT::EVENT_PAUSE);
        frame();
    }
    // The texts of the rows drawn in one frame of the views.
    std::vector<std::string> rows()
    {
        services.fonts.drawn.clear();
        services.manager.getViewManager()->onRender();
        std::vector<std::string> texts;
        for (const MenuTest::Drawn& d : services.fonts.drawn)
            texts.push_back(d.text);
        return texts;
    }

    MenuTest::Services services;
    Testing::RecordingConsumer log;
    std::unique_ptr<Orvik::ScreenAreaRenderer> renderer;
    std::unique_ptr<Game::LogicController> logic;
    Level* level;
    Orvik::PausedLogic* paused;
};

const std::vector<std::string> s_quitCurrent = {">>Quit", "--Resume"};
const std::vector<std::string> s_resumeCurrent = {"--Quit", ">>Resume"};

TEST(PausedLogic, APauseOpensTheMenuWithQuitCurrentOverTheActiveMenuInput)
{
    PauseGame game(Keys{});
    game.pause();
    EXPECT_EQ(s_quitCurrent, game.rows());
    EXPECT_FALSE(game.level->game.isActive());
    EXPECT_TRUE(game.level->timer.isPaused() > 0);
}

TEST(PausedLogic, NextItemWrapsOnlyWhenConfigured)
{
    const struct
    {
        const char* wrap;
        std::vector<std::string> afterTwo;
    } cases[] = {{"YES", s_quitCurrent}, {"NO", s_resumeCurrent}, {"yes", s_resumeCurrent}};
    for (const auto& c : cases)
    {
        PauseGame game(Keys{{"MENU_ITEMS_WRAP", c.wrap}});
        game.pause();
        PauseGame::raise(EVT::EVENT_MENU_NEXT_ITEM);
        EXPECT_EQ(s_resumeCurrent, game.rows()) << c.wrap;
        PauseGame::raise(EVT::EVENT_MENU_NEXT_ITEM);
        EXPECT_EQ(c.afterTwo, game.rows()) << c.wrap;
    }
}

TEST(PausedLogic, ResumeTakesTheMenuDownAndReturnsToTheLevel)
{
    PauseGame game(Keys{});
    game.pause();
    game.log.take();
    PauseGame::raise(EVT::EVENT_MENU_NEXT_ITEM);
    PauseGame::raise(EVT::EVENT_MENU_SELECT);
    EXPECT_TRUE(game.log.lines().empty()) << "the choice waits for the next update";
    game.frame();
    EXPECT_EQ(std::vector<std::string>({"RESUME"}), game.log.take());
    EXPECT_EQ(std::vector<std::string>({"", "PAUSED"}), game.level->entries);
    EXPECT_TRUE(game.level->game.isActive());
    EXPECT_EQ(0, game.level->timer.isPaused());
    EXPECT_TRUE(game.rows().empty()) << "the menu view is gone";

    // The next pause builds a fresh menu, quit current again.
    game.pause();
    EXPECT_EQ(s_quitCurrent, game.rows());
}

TEST(PausedLogic, QuitAndLeavingThePageEndAsConfigured)
{
    const struct
    {
        const char* escapeQuits;
        int event;
        bool quits;
    } cases[] = {{"NO", EVT::EVENT_MENU_SELECT, true},
                 {"YES", EVT::EVENT_MENU_EXIT, true},
                 {"", EVT::EVENT_MENU_EXIT, false},
                 {"NO", EVT::EVENT_MENU_EXIT, false}};
    for (const auto& c : cases)
    {
        PauseGame game(Keys{{"MENU_ESCAPE_QUITS", c.escapeQuits}});
        game.pause();
        game.log.take();
        PauseGame::raise(c.event);
        game.frame();
        const std::vector<std::string> expected =
            c.quits ? std::vector<std::string>{"RESUME", "SHUTDOWN"} : std::vector<std::string>{"RESUME"};
        EXPECT_EQ(expected, game.log.take()) << c.escapeQuits << " " << c.event;
        EXPECT_EQ(c.quits ? 1u : 2u, game.level->entries.size()) << c.escapeQuits << " " << c.event;
    }
}

TEST(PausedLogic, AnUnknownItemChangesNothing)
{
    PauseGame game(Keys{});
    game.pause();
    game.log.take();
    game.paused->menuChoice(Menu::CallBackInfo{0, 7, 0, ""});
    game.frame();
    EXPECT_TRUE(game.log.lines().empty());
    EXPECT_EQ(s_quitCurrent, game.rows());
}

TEST(PausedLogic, DestroyedWithTheMenuUpItRaisesNoResume)
{
    PauseGame game(Keys{});
    game.pause();
    game.log.take();
    game.services.manager.setLogicController(nullptr);
    game.logic.reset();
    EXPECT_TRUE(game.log.lines().empty());
    EXPECT_TRUE(game.rows().empty());
}

TEST(PausedLogic, LeavingTheMenuUndoesEveryPauseSinceTheGamePaused)
{
    enum When
    {
        SAME_FRAME,
        UNDER_THE_MENU
    };
    for (When when : {SAME_FRAME, UNDER_THE_MENU})
    {
        PauseGame game(Keys{});
        PauseGame::raise(EVT::EVENT_PAUSE);
        if (when == SAME_FRAME)
            PauseGame::raise(EVT::EVENT_PAUSE);
        game.frame();
        if (when == UNDER_THE_MENU)
            PauseGame::raise(EVT::EVENT_PAUSE);
        EXPECT_EQ(2, game.level->timer.isPaused()) << when;
        game.log.take();
        PauseGame::raise(EVT::EVENT_MENU_EXIT);
        game.frame();
        EXPECT_EQ(std::vector<std::string>({"RESUME", "RESUME"}), game.log.take()) << when;
        EXPECT_EQ(0, game.level->timer.isPaused()) << when;
        // The level's timer runs out again.
        for (int i = 0; i < 120 && !game.level->timer.flag; ++i)
            game.frame();
        EXPECT_TRUE(game.level->timer.flag) << when;
    }
}

// Rows 0 and 1 of the menu are found by clicking where they are drawn, each area raising its own event.
std::string typedAreas(const std::string& zero, const std::string& one, const std::string& negative)
{
    return Testing::InputConfigText("MENU")
        .area("ZERO", "0,0", "0,0")
        .set("ZERO", "RELATIVE_AREA", zero)
        .area("ONE", "0,0", "0,0")
        .set("ONE", "RELATIVE_AREA", one)
        .area("NEG", "0,0", "0,0")
        .set("NEG", "RELATIVE_AREA", negative)
        .switchOn("Z", "MOUSE:LMB", "ZERO")
        .set("Z", "PRESS", "MENU_PREV_ITEM")
        .switchOn("O", "MOUSE:LMB", "ONE")
        .set("O", "PRESS", "MENU_NEXT_ITEM")
        .switchOn("N", "MOUSE:LMB", "NEG")
        .set("N", "PRESS", "MENU_EXIT")
        .text();
}

void click(int x, int y)
{
    for (bool pressed : {false, true, false})
    {
        EVT::Event_Mouse mouse(EVT::EVENT_MOUSE, x, y, 0, pressed ? Devices::Mouse::LMB : 0, pressed);
        EVT::EventBus::instance().raiseEvent(&mouse, false);
    }
}

TEST(PausedLogic, MenuItemAreasLieOverTheRowTheirTypeNumbers)
{
    PauseGame game(Keys{{"MENU_FONT_SIZES", "24"}}, typedAreas("MENU_ITEM", "MENU_ITEM1st", "MENU_ITEM-1"));
    Testing::RecordingConsumer clicks(
        {EVT::EVENT_MENU_PREV_ITEM, EVT::EVENT_MENU_NEXT_ITEM, EVT::EVENT_MENU_EXIT},
        [](EVT::I_Event& event) { return EVT::EventStrings::instance().mapping().getName(event.getType()); });
    game.pause();
    game.rows();
    int size = 0;
    for (const std::string& request : game.services.fonts.requests)
        size = std::stoi(request.substr(request.find('@') + 1));
    // Row 0's baseline is 40 percent down the screen, its top one font size higher; row 1 is a row
    // height lower. Mouse positions count from the top.
    const int top0 = 240 - size;
    click(85, top0 + 2);
    game.frame();
    EXPECT_EQ(std::vector<std::string>({"MENU_PREV_ITEM"}), clicks.take());
    click(85, 240 + 6 + 2);
    game.frame();
    EXPECT_EQ(std::vector<std::string>({"MENU_NEXT_ITEM"}), clicks.take());
    click(1, 1);
    game.frame();
    EXPECT_TRUE(clicks.take().empty()) << "no area for a negative row";
}

TEST(PausedLogic, AnAreaTypeNotNamingAMenuItemIsFatal)
{
    for (const char* type : {"MENU_ITE", "menu_item1", "Menu_Item0", "PLAYER"})
        EXPECT_DEATH(
            {
                PauseGame game(Keys{}, typedAreas("MENU_ITEM0", type, "MENU_ITEM1"));
                game.pause();
            },
            std::string("Unknown Player ScreenArea type: ") + type)
            << type;
}

TEST(PausedLogic, AMenuInputThatCannotBeReadIsFatal)
{
    // An empty name, a file that is not there and a directory: the input layer would read each as an empty
    // configuration and give a menu no binding reaches.
    for (const char* name : {"", "missing.cfg", "."})
        EXPECT_DEATH(
            {
                PauseGame game(Keys{});
                const std::string file = *name == '\0' ? "" : game.services.dir.path(name);
                game.services.config.set("MENU_INPUT_CFG", file);
                game.pause();
            },
            std::string("Failed to create MENU InputController using ") +
                (*name == '\0' ? "\n" : std::string(".*") + name))
            << "'" << name << "'";
}

TEST(PausedLogic, AnEmptyMenuInputFileIsAccepted)
{
    PauseGame game(Keys{}, "");
    game.pause();
    EXPECT_EQ(s_quitCurrent, game.rows());
}

// A real level under the menu: MENUS, RUNNING, PAUSED and EXIT as the start-up orders them.
const char* const c_gameInput = "INPUT_CONTROLLER_NAME == GAME\n"
                                "GAME_AREA_LIST == ANYWHERE\n"
                                "GAME_ANYWHERE_POS == 0,0\n"
                                "GAME_ANYWHERE_SIZE == 100,100\n";

struct LevelGame
{
    LevelGame()
        : services(Keys{{"MAZE_SIZES", "2,2"},
                        {"MAZE_OPEN_PLAN_PER", "100"},
                        {"MAZE_DEAD_ENDS", "NO"},
                        {"MAZE_SEED", "11"},
                        {"PLAYER_MOVE_DELAY", "100"},
                        {"PLAYER_ESCAPE_DELAY", "200"},
                        {"PLAYER_CHANGE_DIR_DELAY", "500"},
                        {"GAME_VIEW_BOX", "0,0,100,100"},
                        {"GAME_INPUT_BOX", "0,0,100,100"},
                        {"MENU_INPUT_BOX", "0,0,100,100"},
                        {"PAUSE_MENU_QUIT", "Quit"},
                        {"PAUSE_MENU_RESUME", "Resume"}}),
          controllers({EVT::EVENT_INPUT_CONTROLLER},
                      [](EVT::I_Event& event)
                      {
                          const EVT::Event_InputController* c =
                              EVT::eventAs<EVT::Event_InputController>(&event);
                          return c->controllerName + (c->activate ? " on" : " off");
                      })
    {
        services.config.set("GAME_INPUT_CFG", services.dir.write("game.cfg", c_gameInput));
        services.config.set("MENU_INPUT_CFG", services.dir.write("menu.cfg", menuInput()));
        EVT::Event_Screen screen(EVT::EVENT_SCREEN, 800, 600);
        EVT::EventBus::instance().raiseEvent(&screen, false);
        renderer.reset(new Orvik::ScreenAreaRenderer());
        Orvik::globals().screenAreaRenderer = renderer.get();
        running = new Orvik::GameLogic(&services.manager);
        logic.reset(new Game::LogicController());
        logic->add("MENUS", new Orvik::MenuLogic(), {});
        logic->add("RUNNING", running, {{"QUIT", "MENUS"}, {"PAUSED", "PAUSED"}, {"ESCAPED", "MENUS"}});
        logic->add("PAUSED", new Orvik::PausedLogic(&services.manager),
                   {{"RUNNING", "RUNNING"}, {"QUIT", "EXIT"}});
        logic->add("EXIT", new Orvik::ExitLogic(), {});
        services.manager.setLogicController(logic.get());
    }
    ~LevelGame()
    {
        services.manager.setLogicController(nullptr);
        logic.reset();
        Orvik::globals().screenAreaRenderer = nullptr;
    }
    void update(float dt)
    {
        EVT::Event_Update event(EVT::EVENT_UPDATE, dt);
        EVT::EventBus::instance().raiseEvent(&event, false);
    }
    std::pair<int, int> pos() const
    {
        int x = -1;
        int y = -1;
        running->getPlayer()->getPos(x, y);
        return std::make_pair(x, y);
    }
    void resume()
    {
        PauseGame::raise(EVT::EVENT_MENU_NEXT_ITEM);
        PauseGame::raise(EVT::EVENT_MENU_SELECT);
        update(1.0f);
    }

    MenuTest::Services services;
    Testing::RecordingConsumer controllers;
    std::unique_ptr<Orvik::ScreenAreaRenderer> renderer;
    std::unique_ptr<Game::LogicController> logic;
    Orvik::GameLogic* running;
};

TEST(PausedLogic, ResumingCarriesOnWithTheSameLevel)
{
    LevelGame game;
    game.update(10.0f);
    PauseGame::raise(Orvik::MOVE_RIGHT);
    game.update(100.0f);
    game.update(10.0f);
    const Orvik::GameMaze* maze = game.running->getMaze();
    const std::pair<int, int> where = game.pos();
    const std::size_t trail = game.running->getPlayer()->getFootprints().size();
    ASSERT_EQ(std::make_pair(1, 0), where);
    game.controllers.take();

    PauseGame::raise(EVT::EVENT_PAUSE);
    game.update(10.0f);
    EXPECT_EQ(std::vector<std::string>({"MENU on"}), game.controllers.take());
    game.resume();
    EXPECT_EQ(std::vector<std::string>({"GAME on"}), game.controllers.take());
    EXPECT_EQ(maze, game.running->getMaze());
    EXPECT_EQ(where, game.pos());
    EXPECT_EQ(trail, game.running->getPlayer()->getFootprints().size());
}

TEST(PausedLogic, AfterTwoPausesAndAResumeTheTokenWalksAgain)
{
    LevelGame game;
    game.update(10.0f);
    // The step starts, then two pauses come in the same frame.
    PauseGame::raise(Orvik::MOVE_RIGHT);
    PauseGame::raise(EVT::EVENT_PAUSE);
    PauseGame::raise(EVT::EVENT_PAUSE);
    game.update(10.0f);
    game.update(500.0f);
    EXPECT_EQ(std::make_pair(0, 0), game.pos()) << "nothing moves under the menu";
    game.resume();
    for (int i = 0; i < 3; ++i)
        game.update(100.0f);
    EXPECT_EQ(std::make_pair(1, 0), game.pos());
}
} // namespace

#endif
