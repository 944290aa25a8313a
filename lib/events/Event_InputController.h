#pragma once

#include <string>

#include "events/I_Event.h"

namespace EVT
{
// Makes the named input controller the active one (when activate is set) and all others inactive.
class Event_InputController : public I_Event
{
public:
    Event_InputController(int eventType, const std::string& name, bool activateIt)
        : I_Event(eventType), controllerName(name), activate(activateIt)
    {
    }

    I_Event* clone() const override { return new Event_InputController(*this); }

    std::string controllerName;
    bool activate;
};
} // namespace EVT
