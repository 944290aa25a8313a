#pragma once

#include "Game/FlagTimer.h"

namespace Game
{
// A flag timer that also raises an event of its type, delivered at once, when it fires.
class EventTimer : public FlagTimer
{
public:
    explicit EventTimer(int eventId) : eventId(eventId) {}

    int getEventId() const { return eventId; }

protected:
    void fire() override;

private:
    int eventId;
};
} // namespace Game
