#pragma once

#include <string>

#include "Game/I_LogicState.h"

namespace Game
{
class GameManager;
} // namespace Game

namespace Orvik
{
// The PAUSED state, for now without its menu: at its first update it resumes the game (RESUME) and
// answers the state it was entered from, so a pause passes through and the level carries on.
class PausedLogic : public Game::I_LogicState
{
public:
    static const std::string STATE_QUIT;

    explicit PausedLogic(Game::GameManager* gameManager);

    void setPause(bool) override {}
    void onEnter(const std::string& from, const std::string& outcome) override;
    std::string onUpdate(float dt) override;
    void doExit(const std::string&) override {}

private:
    Game::GameManager* gameManager;
    std::string cameFrom;
};
} // namespace Orvik
