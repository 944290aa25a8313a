#pragma once

namespace Game
{
// The codes of the event types the framework raises and consumes.
enum EventCode
{
    EVENT_SHUTDOWN = 1,
    EVENT_PAUSE = 4,
    EVENT_RESUME = 5,
    EVENT_UPDATE = 6,
    EVENT_PRE_UPDATE = 7,
    EVENT_RENDER = 8,
    EVENT_SCREEN = 9,
    EVENT_SETMOUESE = 10,
    EVENT_MOUSE = 11,
    EVENT_ENTERLEAVE = 12,
    EVENT_KEY = 13,
    EVENT_JOYPAD = 14
};
} // namespace Game
