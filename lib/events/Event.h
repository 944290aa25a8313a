#pragma once

#include "events/I_Event.h"

namespace EVT
{
// An event that carries nothing but its type.
class Event : public I_Event
{
public:
    explicit Event(int eventType) : I_Event(eventType) {}

    I_Event* clone() const override { return new Event(*this); }
};
} // namespace EVT
