// The whole game on the bundled data, without a window: the real state table, game manager and
// services driven by UPDATE events, with fixed-function materials and vertex arrays in memory.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "CFG/CFG.h"
#include "Devices/DeviceRegistry.h"
#include "Devices/Keyboard.h"
#include "Devices/Mouse.h"
#include "Game/GAME_MAIN/MainLogicController.h"
#include "Game/GameManager.h"
#include "Game/LogicController.h"
#include "events/EventBus.h"
#include "events/EventTypes.h"
#include "events/Event_InputController.h"
#include "events/Event_Key.h"
#include "events/Event_Mouse.h"
#include "events/Event_Screen.h"
#include "events/Event_Update.h"
#include "input/I_RelativeScreenAreaFactory.h"
#include "input/InputController.h"
#include "orvik/src/GameLogic.h"
#include "orvik/src/GameMaze.h"
#include "orvik/src/GameView.h"
#include "orvik/src/Globals.h"
#include "orvik/src/MyEvents.h"
#include "orvik/src/ScreenAreaRenderer.h"
#include "support/MemoryRenderController.h"
#include "support/RecordingConsumer.h"

namespace
{
Orvik::RegisterMyEvents s_registerForTests;

// Runs in the data folder, as the play command does.
struct BundledGame
{
    BundledGame() : manager(60, 0)
    {
        char buffer[4096];
        previous = getcwd(buffer, sizeof buffer) != nullptr ? buffer : ".";
        EXPECT_EQ(0, chdir(ORVIK_SOURCE_DIR "/data"));
        CFG::getDefaultOverrides()->reset();
        CFG::setConfig("orvik.cfg");
        CFG::Info* overrides = CFG::getDefaultOverrides();
        overrides->add("USE_SHADERS", "NO");
        overrides->add("MAZE_SEED", "5");
        manager.setRenderController(&controller);
        EVT::Event_Screen screen(EVT::EVENT_SCREEN, 800, 600);
        EVT::EventBus::instance().raiseEvent(&screen, false);
        logic.reset(makeMainLogicController(nullptr, nullptr, manager));
        manager.setLogicController(logic.get());
        running = dynamic_cast<Orvik::GameLogic*>(logic->getState("RUNNING"));
    }
    ~BundledGame()
    {
        manager.setLogicController(nullptr);
        logic.reset();
        CFG::getDefaultOverrides()->reset();
        CFG::setConfig("");
        EXPECT_EQ(0, chdir(previous.c_str()));
    }
    void update(float dt)
    {
        EVT::Event_Update event(EVT::EVENT_UPDATE, dt);
        EVT::EventBus::instance().raiseEvent(&event, false);
    }
    void key(unsigned char code)
    {
        EVT::Event_Key press(EVT::EVENT_KEY, code, true, 0);
        EVT::EventBus::instance().raiseEvent(&press, false);
        running->getView()->preUpdate(1.0f);
        EVT::Event_Key release(EVT::EVENT_KEY, code, false, 0);
        EVT::EventBus::instance().raiseEvent(&release, false);
        running->getView()->preUpdate(1.0f);
    }

    std::string previous;
    Testing::MemoryRenderController controller;
    Game::GameManager manager;
    std::unique_ptr<Game::LogicController> logic;
    Orvik::GameLogic* running = nullptr;
};

TEST(BundledGame, StartsItsServicesAndPlaysTheFirstLevelOnTheThirdUpdate)
{
    BundledGame game;
    ASSERT_NE(nullptr, game.running);
    game.update(16.0f);
    const Orvik::Globals& record = Orvik::globals();
    ASSERT_NE(nullptr, record.graphics);
    ASSERT_NE(nullptr, record.screenAreaRenderer);
    EXPECT_NE(nullptr, Devices::getMouse());
    game.update(16.0f);
    EXPECT_EQ(nullptr, game.running->getView());
    game.update(16.0f);
    ASSERT_NE(nullptr, game.running->getMaze());
    int w = 0;
    int h = 0;
    game.running->getMaze()->getSize(w, h);
    EXPECT_EQ(5, w);
    EXPECT_EQ(4, h);
    // One frame draws the maze, the token and the area around it.
    game.controller.queue.entries.clear();
    game.running->getView()->onRender();
    EXPECT_GT(game.controller.queue.entries.size(), 30u);
}

TEST(BundledGame, EachKeyAndTheButtonRaiseTheirMovesOverTheWindowAndAroundTheToken)
{
    BundledGame game;
    for (int i = 0; i < 3; ++i)
        game.update(16.0f);
    ASSERT_NE(nullptr, game.running->getView());
    Devices::Mouse* mouse = Devices::getMouse();
    Testing::RecordingConsumer actions({EVT::EVENT_PAUSE, Orvik::START_MOVE, Orvik::MOVE_UP, Orvik::MOVE_DOWN,
                                        Orvik::MOVE_LEFT, Orvik::MOVE_RIGHT, Orvik::MOVE_TO_MOUSE});
    // The token's room (0, 0) of the 5 by 4 maze lies at (80, 525) from the window's top left.
    const struct
    {
        int x;
        int y;
    } pointers[] = {{700, 50}, {80, 525}};
    for (const auto& at : pointers)
    {
        EVT::Event_Mouse move(EVT::EVENT_MOUSE, at.x, at.y, 0, 0, false);
        EVT::EventBus::instance().raiseEvent(&move, false);
        ASSERT_EQ(at.x, mouse->getX());
        for (unsigned char code :
             {Devices::Keyboard::KEY_UP, Devices::Keyboard::KEY_DOWN, Devices::Keyboard::KEY_LEFT,
              Devices::Keyboard::KEY_RIGHT, Devices::Keyboard::KEY_SPACE, Devices::Keyboard::KEY_ESC})
            game.key(code);
        EVT::Event_Mouse click(EVT::EVENT_MOUSE, at.x, at.y, 0, 1, true);
        EVT::EventBus::instance().raiseEvent(&click, false);
        game.running->getView()->preUpdate(1.0f);
        EVT::Event_Mouse up(EVT::EVENT_MOUSE, at.x, at.y, 0, 1, false);
        EVT::EventBus::instance().raiseEvent(&up, false);
        game.running->getView()->preUpdate(1.0f);
    }
    const std::vector<std::string> once = {
        "MOVE_UP:MOVE_UP",       "MOVE_DOWN:MOVE_DOWN", "MOVE_LEFT:MOVE_LEFT",        "MOVE_RIGHT:MOVE_RIGHT",
        "START_MOVE:START_MOVE", "PAUSE:PAUSE",         "MOVE_TO_MOUSE:MOVE_TO_MOUSE"};
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(twice, actions.lines());
}

// Stands in for the menu's row areas: keeps the configured area.
class KeepArea : public Input::I_RelativeScreenAreaFactory
{
public:
    Input::I_ScreenArea* create(const std::string& type, Input::I_ScreenArea* area) override
    {
        types.push_back(type);
        return area;
    }
    std::vector<std::string> types;
};

TEST(BundledGame, TheMenuInputLoadsItsRowsAndMovesSelectsAndLeaves)
{
    BundledGame game;
    game.update(16.0f);
    Input::InputController menu("MENU", Orvik::globals().screenAreaRenderer);
    KeepArea rows;
    ASSERT_TRUE(menu.init(CFG::get("MENU_INPUT_CFG"), "", &rows));
    EXPECT_EQ((std::vector<std::string>{"MENU_ITEM0", "MENU_ITEM1"}), rows.types);
    EVT::Event_InputController activate(EVT::EVENT_INPUT_CONTROLLER, "MENU", true);
    EVT::EventBus::instance().raiseEvent(&activate, false);
    Testing::RecordingConsumer actions(
        {EVT::EVENT_MENU_PREV_ITEM, EVT::EVENT_MENU_NEXT_ITEM, EVT::EVENT_MENU_SELECT, EVT::EVENT_MENU_EXIT});
    for (unsigned char code : {Devices::Keyboard::KEY_UP, Devices::Keyboard::KEY_DOWN,
                               Devices::Keyboard::KEY_RETURN, Devices::Keyboard::KEY_ESC})
    {
        EVT::Event_Key press(EVT::EVENT_KEY, code, true, 0);
        menu.onInput(&press);
        menu.onUpdate(1.0f);
        EVT::Event_Key release(EVT::EVENT_KEY, code, false, 0);
        menu.onInput(&release);
        menu.onUpdate(1.0f);
    }
    EXPECT_EQ((std::vector<std::string>{"MENU_PREV_ITEM:MENU_PREV_ITEM", "MENU_NEXT_ITEM:MENU_NEXT_ITEM",
                                        "MENU_SELECT:MENU_SELECT", "MENU_EXIT:MENU_EXIT"}),
              actions.lines());
}

// Stands in for the menu's row areas (in percent of the window): row 0 the left half, row 1 the right.
class HalvesArea : public Input::I_RelativeScreenAreaFactory
{
public:
    Input::I_ScreenArea* create(const std::string& type, Input::I_ScreenArea* area) override
    {
        const float left = type == "MENU_ITEM1" ? 50.0f : 0.0f;
        area->setRect(Geom::Rect<float>{left, 0.0f, 50.0f, 100.0f});
        return area;
    }
};

TEST(BundledGame, AClickOnAMenuRowSelectsThatRowWhicheverIsCurrent)
{
    BundledGame game;
    game.update(16.0f);
    Input::InputController menu("MENU", Orvik::globals().screenAreaRenderer);
    HalvesArea rows;
    ASSERT_TRUE(menu.init(CFG::get("MENU_INPUT_CFG"), "", &rows));
    EVT::Event_InputController activate(EVT::EVENT_INPUT_CONTROLLER, "MENU", true);
    EVT::EventBus::instance().raiseEvent(&activate, false);
    Testing::RecordingConsumer actions({EVT::EVENT_MENU_SELECT, EVT::EVENT_MENU_SELECT_ITEM});
    for (int x : {700, 100})
    {
        EVT::Event_Mouse move(EVT::EVENT_MOUSE, x, 300, 0, 0, false);
        menu.onInput(&move);
        EVT::Event_Mouse click(EVT::EVENT_MOUSE, x, 300, 0, 1, true);
        menu.onInput(&click);
        menu.onUpdate(1.0f);
        EVT::Event_Mouse up(EVT::EVENT_MOUSE, x, 300, 0, 1, false);
        menu.onInput(&up);
        menu.onUpdate(1.0f);
    }
    EXPECT_EQ((std::vector<std::string>{"MENU_SELECT_ITEM:1", "MENU_SELECT_ITEM:0"}), actions.lines());
}
} // namespace
