#pragma once

#include "events/I_Event.h"

namespace EVT
{
// Moves the pointer and shows or hides the cursor (0 leaves it, 1 shows, 2 hides).
class Event_SetMouse : public I_Event
{
public:
    Event_SetMouse(int eventType, int toX, int toY, int mode)
        : I_Event(eventType), warpX(toX), warpY(toY), cursorMode(mode)
    {
    }

    I_Event* clone() const override { return new Event_SetMouse(*this); }

    virtual int getWarpX() const { return warpX; }
    virtual int getWarpY() const { return warpY; }
    virtual int getCursorMode() const { return cursorMode; }

    int warpX;
    int warpY;
    int cursorMode;
};
} // namespace EVT
