#pragma once

namespace Game
{
// The top-level state machine as the game manager drives it.
class I_LogicController
{
public:
    virtual ~I_LogicController() = default;

    virtual void setPause(bool paused) = 0;
    // elapsed is in game milliseconds.
    virtual void onUpdate(float elapsed) = 0;
};
} // namespace Game
