#pragma once

#include "events/I_Event.h"

namespace EVT
{
// A key pressed or released, with the modifier keys held at the time (shift 1, alt 2, control 4).
class Event_Key : public I_Event
{
public:
    Event_Key(int eventType, unsigned char keyCode, bool isPressed, int modifierMask)
        : I_Event(eventType), key(keyCode), pressed(isPressed), modifiers(modifierMask)
    {
    }

    I_Event* clone() const override { return new Event_Key(*this); }

    unsigned char key;
    bool pressed;
    int modifiers;
};
} // namespace EVT
