#pragma once

#include "events/I_Event.h"

namespace EVT
{
// Pointer motion, a button change (left 1, right 2, middle 4) or a wheel step, in window pixels.
class Event_Mouse : public I_Event
{
public:
    Event_Mouse(int eventType, int posX, int posY, int wheel, int button, bool isPressed)
        : I_Event(eventType), x(posX), y(posY), wheelDelta(wheel), buttons(button), pressed(isPressed)
    {
    }

    I_Event* clone() const override { return new Event_Mouse(*this); }

    int x;
    int y;
    int wheelDelta;
    int buttons;
    bool pressed;
};
} // namespace EVT
