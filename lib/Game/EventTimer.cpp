#include "Game/EventTimer.h"

#include "events/EventBus.h"

namespace Game
{
void EventTimer::fire()
{
    FlagTimer::fire();
    EVT::EventBus::instance().raiseEvent(eventId, false);
}
} // namespace Game
