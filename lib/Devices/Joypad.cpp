#include "Devices/Joypad.h"

#include "events/EventBus.h"
#include "events/Event_Joypad.h"
#include "events/EventTypes.h"

namespace Devices
{
namespace
{
bool validPad(int pad)
{
    return pad >= 0 && pad < Joypad::PADS;
}
} // namespace

Joypad::Joypad() : pads()
{
    EVT::EventBus::instance().addConsumer(EVT::EVENT_JOYPAD, this);
}

Joypad::~Joypad() = default;

void Joypad::handleEvent(EVT::I_Event* event)
{
    if (event->getType() != EVT::EVENT_JOYPAD)
        return;
    // A JOYPAD raised by name from a configured action carries no pad state.
    const EVT::Event_Joypad* joy = EVT::eventAs<EVT::Event_Joypad>(event);
    if (joy == nullptr || !validPad(joy->joystick))
        return;
    PadState& pad = pads[joy->joystick];
    pad.x = joy->axisX;
    pad.y = joy->axisY;
    for (int i = 0; i < BUTTONS; ++i)
        pad.buttons[i] = joy->buttons[i];
}

int Joypad::getX(int pad) const
{
    return validPad(pad) ? pads[pad].x : 0;
}

int Joypad::getY(int pad) const
{
    return validPad(pad) ? pads[pad].y : 0;
}

bool Joypad::isPressed(int pad, int button) const
{
    return validPad(pad) && button >= 0 && button < BUTTONS && pads[pad].buttons[button];
}

int Joypad::getPadInfo(int pad) const
{
    if (!validPad(pad))
        return 0;
    const PadState& state = pads[pad];
    int flags = 0;
    if (state.y > 0)
        flags |= UP;
    if (state.y < 0)
        flags |= DN;
    if (state.x < 0)
        flags |= LF;
    if (state.x > 0)
        flags |= RT;
    const int buttonBits[BUTTONS] = {B1, B2, B3, B4};
    for (int i = 0; i < BUTTONS; ++i)
        if (state.buttons[i])
            flags |= buttonBits[i];
    return flags;
}
} // namespace Devices
