#include "Game/GAME_MAIN/MainLogicController.h"

#include "Game/LogicController.h"
#include "orvik/src/ExitLogic.h"
#include "orvik/src/GameLogic.h"
#include "orvik/src/InitLogic.h"
#include "orvik/src/MenuLogic.h"
#include "orvik/src/PausedLogic.h"
#include "orvik/src/SplashLogic.h"

Game::LogicController* makeMainLogicController(int*, char**, Game::GameManager& gameManager)
{
    Game::LogicController* controller = new Game::LogicController();
    Game::LogicController::Transitions transitions;
    controller->add("INIT", new Orvik::InitLogic(&gameManager), transitions);
    controller->add("SPLASH", new Orvik::SplashLogic(), transitions);
    controller->add("MENUS", new Orvik::MenuLogic(), transitions);
    transitions = {{Orvik::GameLogic::STATE_QUIT, "MENUS"},
                   {Orvik::GameLogic::STATE_PAUSED, "PAUSED"},
                   {Orvik::GameLogic::STATE_ESCAPED, "MENUS"}};
    controller->add("RUNNING", new Orvik::GameLogic(&gameManager), transitions);
    transitions = {{"RUNNING", "RUNNING"}, {Orvik::PausedLogic::STATE_QUIT, "EXIT"}};
    controller->add("PAUSED", new Orvik::PausedLogic(&gameManager), transitions);
    transitions.clear();
    controller->add("EXIT", new Orvik::ExitLogic(), transitions);
    return controller;
}
