#pragma once

#include "events/I_Event.h"

namespace EVT
{
// The state of one joystick: its first two axes as -1, 0 or 1 and its first four buttons.
class Event_Joypad : public I_Event
{
public:
    Event_Joypad(int eventType, int stick, int xAxis, int yAxis, bool b1, bool b2, bool b3, bool b4)
        : I_Event(eventType), joystick(stick), axisX(xAxis), axisY(yAxis), buttons{b1, b2, b3, b4}
    {
    }

    I_Event* clone() const override { return new Event_Joypad(*this); }

    int joystick;
    int axisX;
    int axisY;
    bool buttons[4];
};
} // namespace EVT
