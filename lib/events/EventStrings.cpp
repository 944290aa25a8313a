#include "events/EventStrings.h"

#include "events/EventTypes.h"

namespace EVT
{
EventStrings::EventStrings() : table(EVENT_INVALID, "INVALID")
{
    struct Named
    {
        EventType code;
        const char* name;
    };
    // In ascending order of code. "SETMOUESE" is the name configuration files use; it stays as it is.
    static const Named l_names[] = {{EVENT_SHUTDOWN, "SHUTDOWN"},
                                    {EVENT_START, "START"},
                                    {EVENT_END, "END"},
                                    {EVENT_PAUSE, "PAUSE"},
                                    {EVENT_RESUME, "RESUME"},
                                    {EVENT_UPDATE, "UPDATE"},
                                    {EVENT_PRE_UPDATE, "PRE_UPDATE"},
                                    {EVENT_RENDER, "RENDER"},
                                    {EVENT_SCREEN, "SCREEN"},
                                    {EVENT_SETMOUESE, "SETMOUESE"},
                                    {EVENT_MOUSE, "MOUSE"},
                                    {EVENT_ENTERLEAVE, "ENTERLEAVE"},
                                    {EVENT_KEY, "KEY"},
                                    {EVENT_JOYPAD, "JOYPAD"},
                                    {EVENT_JOYSTICK, "JOYSTICK"},
                                    {EVENT_ANYINPUT, "ANYINPUT"},
                                    {EVENT_INPUT_CONTROLLER, "INPUT_CONTROLLER"},
                                    {EVENT_AREA_GOTO, "AREA_GOTO"},
                                    {EVENT_KICK_AUTO_PAUSER, "KICK_AUTO_PAUSER"},
                                    {EVENT_MENU_EXIT, "MENU_EXIT"},
                                    {EVENT_MENU_NEXT_ITEM, "MENU_NEXT_ITEM"},
                                    {EVENT_MENU_PREV_ITEM, "MENU_PREV_ITEM"},
                                    {EVENT_MENU_NEXT_OPTION, "MENU_NEXT_OPTION"},
                                    {EVENT_MENU_PREV_OPTION, "MENU_PREV_OPTION"},
                                    {EVENT_MENU_SELECT, "MENU_SELECT"},
                                    {EVENT_MENU_SELECT_ITEM, "MENU_SELECT_ITEM"},
                                    {EVENT_MENU_GOTO_ITEM, "MENU_GOTO_ITEM"},
                                    {EVENT_SOUND, "SOUND"},
                                    {EVENT_MUSIC, "MUSIC"}};
    for (const Named& entry : l_names)
        add(entry.code, entry.name);
}

EventStrings::~EventStrings() = default;
} // namespace EVT
