#pragma once

#include "events/I_Event.h"

namespace EVT
{
// The window became, or stopped being, the active window.
class Event_EnterLeave : public I_Event
{
public:
    Event_EnterLeave(int eventType, bool isActive) : I_Event(eventType), active(isActive) {}

    I_Event* clone() const override { return new Event_EnterLeave(*this); }

    bool active;
};
} // namespace EVT
