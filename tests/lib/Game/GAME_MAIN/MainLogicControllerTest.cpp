#include <gtest/gtest.h>

#include <memory>

#include "Game/GAME_MAIN/MainLogicController.h"
#include "Game/GameManager.h"
#include "Game/LogicController.h"
#include "orvik/src/ExitLogic.h"
#include "orvik/src/GameLogic.h"
#include "orvik/src/Globals.h"
#include "orvik/src/InitLogic.h"
#include "orvik/src/MenuLogic.h"
#include "orvik/src/PausedLogic.h"
#include "orvik/src/SplashLogic.h"

namespace
{
TEST(MainLogicController, HoldsTheSixStatesOfTheGameByName)
{
    Game::GameManager manager(50, 0);
    {
        std::unique_ptr<Game::LogicController> controller(makeMainLogicController(nullptr, nullptr, manager));
        EXPECT_EQ(&manager, Orvik::globals().gameManager);
        EXPECT_NE(nullptr, dynamic_cast<Orvik::InitLogic*>(controller->getState("INIT")));
        EXPECT_NE(nullptr, dynamic_cast<Orvik::SplashLogic*>(controller->getState("SPLASH")));
        EXPECT_NE(nullptr, dynamic_cast<Orvik::MenuLogic*>(controller->getState("MENUS")));
        EXPECT_NE(nullptr, dynamic_cast<Orvik::GameLogic*>(controller->getState("RUNNING")));
        EXPECT_NE(nullptr, dynamic_cast<Orvik::PausedLogic*>(controller->getState("PAUSED")));
        EXPECT_NE(nullptr, dynamic_cast<Orvik::ExitLogic*>(controller->getState("EXIT")));
    }
    // INIT goes last and takes the game manager out of the record.
    EXPECT_EQ(nullptr, Orvik::globals().gameManager);
}
} // namespace
