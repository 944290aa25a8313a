#include "input/TriggerId.h"

namespace Input
{
TriggerId::TriggerId() : TriggerId(UNDEF) {}

TriggerId::TriggerId(Devices::Keyboard::KeyCode k, Devices::Keyboard::Modifiers mods)
    : TriggerId(static_cast<unsigned char>(k), static_cast<int>(mods))
{
}

TriggerId::TriggerId(unsigned char k, int mods) : TriggerId(KEY)
{
    key = k;
    keymods = mods;
}

TriggerId::TriggerId(Devices::Mouse::MouseButton button) : TriggerId(MOUSE)
{
    mouseButton = button;
}

TriggerId::TriggerId(Devices::Joypad::JPadFlag flag, int others) : TriggerId(flag, others, others) {}

TriggerId::TriggerId(Devices::Joypad::JPadFlag flag, int other, int mask) : TriggerId(JPAD)
{
    jpadFlag = flag;
    jpadOtherFlags = other;
    jpadFlagMask = mask;
}

TriggerId::TriggerId(TriggerType t)
    : type(t), key(0), keymods(0), mouseButton(0), jpadFlag(0), jpadOtherFlags(0), jpadFlagMask(0),
      firstPressMSecs(0), repeatPressMSecs(0), holdDelayMSecs(0), repeatHoldMSecs(0)
{
}

void TriggerId::setTimes(long firstPress, long repeatPress, long holdDelay, long repeatHold)
{
    firstPressMSecs = firstPress;
    repeatPressMSecs = repeatPress;
    holdDelayMSecs = holdDelay;
    repeatHoldMSecs = repeatHold;
}

unsigned char TriggerId::getKey() const
{
    return type == KEY ? key : 0;
}

int TriggerId::getKeymods() const
{
    return type == KEY ? keymods : 0;
}

int TriggerId::getMouseButton() const
{
    return type == MOUSE ? mouseButton : 0;
}

int TriggerId::getJPadFlag() const
{
    return type == JPAD ? jpadFlag : 0;
}

int TriggerId::getJPadOtherFlags() const
{
    return type == JPAD ? jpadOtherFlags : 0;
}

int TriggerId::getJPadFlagMask() const
{
    return type == JPAD ? jpadFlagMask : 0;
}

bool TriggerId::operator==(const TriggerId& live) const
{
    if (type != live.type)
        return false;
    switch (type)
    {
    case UNDEF:
    case WHEEL_UP:
    case WHEEL_DN:
    case DWELL:
    case ENTERLEAVE:
        return true;
    case KEY:
        return key == live.key && keymods == live.keymods;
    case MOUSE:
        return mouseButton == live.mouseButton;
    case JPAD:
        // Live triggers carry every active flag as both other-flags and mask, so this asks that each
        // flag in exactly one of the switch's other-flags and mask be inactive.
        return jpadFlag == live.jpadFlag &&
               (jpadOtherFlags & live.jpadFlagMask) == (jpadFlagMask & live.jpadOtherFlags);
    }
    return false;
}
} // namespace Input
