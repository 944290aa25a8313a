#pragma once

namespace EVT
{
// The codes of the event types every subsystem shares; EventStrings names them. The game adds its own
// codes from 30 on.
enum EventType
{
    EVENT_INVALID = 0,
    EVENT_SHUTDOWN = 1,
    EVENT_START = 2,
    EVENT_END = 3,
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
    EVENT_JOYPAD = 14,
    EVENT_JOYSTICK = 15,
    EVENT_ANYINPUT = 16,
    EVENT_INPUT_CONTROLLER = 17,
    EVENT_AREA_GOTO = 18,
    EVENT_KICK_AUTO_PAUSER = 19,
    EVENT_MENU_EXIT = 20,
    EVENT_MENU_NEXT_ITEM = 21,
    EVENT_MENU_PREV_ITEM = 22,
    EVENT_MENU_NEXT_OPTION = 23,
    EVENT_MENU_PREV_OPTION = 24,
    EVENT_MENU_SELECT = 25,
    EVENT_MENU_SELECT_ITEM = 26,
    EVENT_MENU_GOTO_ITEM = 27,
    EVENT_SOUND = 28,
    EVENT_MUSIC = 29,
    EVENT_FIRST_GAME_TYPE = 30
};
} // namespace EVT
