#pragma once

#include "Devices/Joypad.h"
#include "Devices/Keyboard.h"
#include "Devices/Mouse.h"

namespace Input
{
// What fires a switch: a key with exact modifiers, a mouse button, the wheel, dwelling in an area,
// entering or leaving it, or a joypad flag; with the four delays of the switch's countdowns.
// Every field that a constructor does not set is 0, so triggers of one type compare and copy cleanly.
class TriggerId
{
public:
    enum TriggerType : int
    {
        UNDEF = 0,
        KEY = 1,
        MOUSE = 2,
        WHEEL_UP = 3,
        WHEEL_DN = 4,
        DWELL = 5,
        ENTERLEAVE = 6,
        JPAD = 7
    };

    TriggerId();
    TriggerId(Devices::Keyboard::KeyCode key, Devices::Keyboard::Modifiers mods);
    TriggerId(unsigned char key, int mods);
    explicit TriggerId(Devices::Mouse::MouseButton button);
    TriggerId(Devices::Joypad::JPadFlag flag, int others);
    TriggerId(Devices::Joypad::JPadFlag flag, int other, int mask);
    explicit TriggerId(TriggerType type);
    virtual ~TriggerId() = default;

    TriggerId(const TriggerId&) = default;
    TriggerId& operator=(const TriggerId&) = default;

    // In game milliseconds.
    virtual void setTimes(long firstPress, long repeatPress, long holdDelay, long repeatHold);

    virtual TriggerType getType() const { return type; }
    virtual unsigned char getKey() const;
    virtual int getKeymods() const;
    virtual int getMouseButton() const;
    virtual int getJPadFlag() const;
    virtual int getJPadOtherFlags() const;
    virtual int getJPadFlagMask() const;
    virtual long getFirstPressMSecs() const { return firstPressMSecs; }
    virtual long getRepeatPressMSecs() const { return repeatPressMSecs; }
    virtual long getHoldDelayMSecs() const { return holdDelayMSecs; }
    virtual long getRepeatHoldMSecs() const { return repeatHoldMSecs; }

    // The left operand is a switch's trigger, the right one a trigger made from live input.
    bool operator==(const TriggerId& live) const;

private:
    TriggerType type;
    unsigned char key;
    int keymods;
    int mouseButton;
    int jpadFlag;
    int jpadOtherFlags;
    int jpadFlagMask;
    long firstPressMSecs;
    long repeatPressMSecs;
    long holdDelayMSecs;
    long repeatHoldMSecs;
};
} // namespace Input
