#pragma once

#include <string>

#include "events/I_Event.h"

namespace EVT
{
// An event carrying one text: configured input actions with their argument, music names, menu moves.
class EventWithString : public I_Event
{
public:
    EventWithString(int eventType, const std::string& str) : I_Event(eventType), text(str) {}

    I_Event* clone() const override { return new EventWithString(*this); }

    virtual const std::string& getString() const { return text; }

    std::string text;
};
} // namespace EVT
