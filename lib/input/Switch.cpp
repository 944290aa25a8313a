#include "input/Switch.h"

namespace Input
{
Switch::Switch()
    : renderTUP(0), renderTUH(0), renderTUR(0), timeUntilPress(0), timeUntilHold(0), timeUntilRelease(0),
      initialTimeUntilPress(0), initialTimeUntilHold(0), initialTimeUntilRelease(0), held(false),
      keepHeldFlag(false)
{
}

void Switch::setTimeUntilPress(long value, bool setInitial)
{
    timeUntilPress = value;
    if (setInitial)
        initialTimeUntilPress = value;
}

void Switch::setTimeUntilHold(long value, bool setInitial)
{
    timeUntilHold = value;
    if (setInitial)
        initialTimeUntilHold = value;
}

void Switch::setTimeUntilRelease(long value, bool setInitial)
{
    timeUntilRelease = value;
    if (setInitial)
        initialTimeUntilRelease = value;
}
} // namespace Input
