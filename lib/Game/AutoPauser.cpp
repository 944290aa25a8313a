#include "Game/AutoPauser.h"

#include "events/EventTypes.h"
#include "Game/EventTimer.h"
#include "events/EventBus.h"

namespace Game
{
AutoPauser::AutoPauser(float delay, const std::vector<int>& kickEvents)
    : delay(delay), timer(new EventTimer(EVT::EVENT_PAUSE)), kickEvents(kickEvents)
{
    for (int type : this->kickEvents)
        EVT::EventBus::instance().addConsumer(type, this);
}

AutoPauser::~AutoPauser()
{
    delete timer;
    kickEvents.clear();
    EVT::EventBus::instance().removeConsumer(this);
}

void AutoPauser::handleEvent(EVT::I_Event*)
{
    enable(delay);
}

void AutoPauser::disable()
{
    timer->stop();
}

void AutoPauser::enable(float newDelay)
{
    if (newDelay != 0.0f)
        delay = newDelay;
    if (delay != 0.0f)
        timer->start(delay, 0.0f);
}
} // namespace Game
