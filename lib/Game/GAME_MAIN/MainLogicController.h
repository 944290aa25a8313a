#pragma once

namespace Game
{
class GameManager;
class LogicController;
} // namespace Game

// The game's states in their order, INIT, SPLASH, MENUS, RUNNING, PAUSED, EXIT, with the transitions of
// RUNNING and PAUSED. The caller owns the controller; the argument count and vector are not used.
Game::LogicController* makeMainLogicController(int* argc, char** argv, Game::GameManager& gameManager);
