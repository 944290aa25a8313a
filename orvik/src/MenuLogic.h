#pragma once

#include "Game/I_LogicState.h"

namespace Orvik
{
// The MENUS state: a placeholder for the menus between levels; passes straight on.
class MenuLogic : public Game::I_LogicState
{
public:
    void setPause(bool) override {}
    void onEnter(const std::string&, const std::string&) override {}
    // Always "DONE": no transition matches it, so the next state in order follows.
    std::string onUpdate(float elapsed) override;
    void doExit(const std::string&) override {}
};
} // namespace Orvik
