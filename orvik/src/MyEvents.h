#pragma once

#include <cstdint>
#include <ostream>

#include "events/I_Event.h"

namespace Orvik
{
// The game's own event types, following the shared ones without a gap.
enum MyEventType : std::int32_t
{
    START_MOVE = 30,
    MOVE_UP = 31,
    MOVE_DOWN = 32,
    MOVE_LEFT = 33,
    MOVE_RIGHT = 34,
    MOVE_TO = 35,
    ESCAPED = 36,
    MOVE_TO_MOUSE = 37
};

// Writes MYEVT:NAME(code), with the name the event table holds for the code.
std::ostream& operator<<(std::ostream& out, MyEventType type);

// A walk towards a maze cell (column x from the left, row y from the bottom).
class Event_MoveTo : public EVT::I_Event
{
public:
    Event_MoveTo(int cellX, int cellY) : EVT::I_Event(MOVE_TO), x(cellX), y(cellY) {}

    EVT::I_Event* clone() const override { return new Event_MoveTo(*this); }

    std::int32_t x;
    std::int32_t y;
};

// Enters the game's event names into the event table when constructed; the program's main source holds
// the one instance, so the names exist before any configuration is read.
class RegisterMyEvents
{
public:
    RegisterMyEvents();
};
} // namespace Orvik
