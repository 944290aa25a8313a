#include "orvik/src/MyEvents.h"

#include "events/EventStrings.h"

namespace Orvik
{
std::ostream& operator<<(std::ostream& out, MyEventType type)
{
    const int code = static_cast<int>(type);
    return out << "MYEVT:" << EVT::EventStrings::instance().mapping().getName(code) << "(" << code << ")";
}

RegisterMyEvents::RegisterMyEvents()
{
    EVT::EventStrings& names = EVT::EventStrings::instance();
    names.add(START_MOVE, "START_MOVE");
    names.add(MOVE_UP, "MOVE_UP");
    names.add(MOVE_DOWN, "MOVE_DOWN");
    names.add(MOVE_LEFT, "MOVE_LEFT");
    names.add(MOVE_RIGHT, "MOVE_RIGHT");
    names.add(MOVE_TO, "MOVE_TO");
    names.add(ESCAPED, "ESCAPED");
    names.add(MOVE_TO_MOUSE, "MOVE_TO_MOUSE");
}
} // namespace Orvik
