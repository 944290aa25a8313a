#pragma once

#include "events/I_Event.h"

namespace EVT
{
// Game milliseconds since the previous frame.
class Event_PreUpdate : public I_Event
{
public:
    Event_PreUpdate(int eventType, float elapsedTime) : I_Event(eventType), elapsed(elapsedTime) {}

    I_Event* clone() const override { return new Event_PreUpdate(*this); }

    float elapsed;
};
} // namespace EVT
