#include "orvik/src/ExitLogic.h"

#include "events/EventBus.h"
#include "events/EventTypes.h"

namespace Orvik
{
void ExitLogic::onEnter(const std::string&, const std::string&)
{
    EVT::EventBus::instance().raiseEvent(EVT::EVENT_SHUTDOWN, false);
}

std::string ExitLogic::onUpdate(float)
{
    return "";
}
} // namespace Orvik
