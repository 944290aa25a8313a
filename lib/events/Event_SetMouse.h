#pragma once

#include "events/I_Event.h"

namespace EVT
{
// Moves the pointer and shows or hides the cursor.
class Event_SetMouse : public I_Event
{
public:
    // The cursor modes; the field is an int, and the window treats any other value as CURSOR_KEEP.
    enum CursorMode : int
    {
        CURSOR_KEEP = 0,
        CURSOR_SHOW = 1,
        CURSOR_HIDE = 2
    };

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
