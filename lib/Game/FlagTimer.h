#pragma once

#include "Game/TimerBase.h"

namespace Game
{
// A timer whose firing sets a flag that its owner reads and clears.
class FlagTimer : public TimerBase
{
public:
    FlagTimer() : flag(false) {}

    bool flag;

protected:
    void fire() override { flag = true; }
};
} // namespace Game
