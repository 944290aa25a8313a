#include "events/EventStrings.h"

namespace EVT
{
EventStrings::EventStrings() : table(0, "INVALID")
{
    // "SETMOUESE" is the name configuration files use; it stays as it is.
    static const char* const l_names[] = {"SHUTDOWN",
                                          "START",
                                          "END",
                                          "PAUSE",
                                          "RESUME",
                                          "UPDATE",
                                          "PRE_UPDATE",
                                          "RENDER",
                                          "SCREEN",
                                          "SETMOUESE",
                                          "MOUSE",
                                          "ENTERLEAVE",
                                          "KEY",
                                          "JOYPAD",
                                          "JOYSTICK",
                                          "ANYINPUT",
                                          "INPUT_CONTROLLER",
                                          "AREA_GOTO",
                                          "KICK_AUTO_PAUSER",
                                          "MENU_EXIT",
                                          "MENU_NEXT_ITEM",
                                          "MENU_PREV_ITEM",
                                          "MENU_NEXT_OPTION",
                                          "MENU_PREV_OPTION",
                                          "MENU_SELECT",
                                          "MENU_SELECT_ITEM",
                                          "MENU_GOTO_ITEM",
                                          "SOUND",
                                          "MUSIC"};
    int code = 1;
    for (const char* name : l_names)
        add(code++, name);
}

EventStrings::~EventStrings() = default;
} // namespace EVT
