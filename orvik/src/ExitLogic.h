#pragma once

#include "Game/I_LogicState.h"

namespace Orvik
{
// The EXIT state: entering it ends the frame loop after the current frame.
class ExitLogic : public Game::I_LogicState
{
public:
    void setPause(bool) override {}
    // Raises SHUTDOWN for immediate delivery.
    void onEnter(const std::string& from, const std::string& outcome) override;
    // Always "": the state stays current until the loop has ended.
    std::string onUpdate(float elapsed) override;
    void doExit(const std::string&) override {}
};
} // namespace Orvik
