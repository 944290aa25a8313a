#include "events/I_EventConsumer.h"

#include "events/EventBus.h"

namespace EVT
{
I_EventConsumer::~I_EventConsumer()
{
    EventBus::instance().removeConsumer(this);
}
} // namespace EVT
