#include "orvik/src/PausedLogic.h"

#include "events/EventBus.h"
#include "events/EventTypes.h"

namespace Orvik
{
const std::string PausedLogic::STATE_QUIT = "QUIT";

PausedLogic::PausedLogic(Game::GameManager* manager) : gameManager(manager) {}

void PausedLogic::onEnter(const std::string& from, const std::string&)
{
    cameFrom = from;
}

std::string PausedLogic::onUpdate(float)
{
    EVT::EventBus::instance().raiseEvent(EVT::EVENT_RESUME, false);
    return cameFrom;
}
} // namespace Orvik
