#pragma once

#include <string>

namespace Game
{
// One top-level state of the game. Its update answers an outcome: "" stays, anything else moves on.
class I_LogicState
{
public:
    virtual ~I_LogicState() = default;

    virtual void setPause(bool paused) = 0;
    // from is the state current before ("" on the first entry); outcome is what led here, or "*" when
    // the previous state's outcome matched none of its transitions.
    virtual void onEnter(const std::string& from, const std::string& outcome) = 0;
    virtual std::string onUpdate(float elapsed) = 0;
    // The machine never calls this: a state tears itself down with it when it leaves or is destroyed.
    virtual void doExit(const std::string& reason) = 0;
};
} // namespace Game
