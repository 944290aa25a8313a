#pragma once

#include "events/I_Event.h"

namespace EVT
{
// The window's size in pixels.
class Event_Screen : public I_Event
{
public:
    Event_Screen(int eventType, int w, int h) : I_Event(eventType), width(w), height(h) {}

    I_Event* clone() const override { return new Event_Screen(*this); }

    int width;
    int height;
};
} // namespace EVT
