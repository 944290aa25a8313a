#include <string>

#include <gtest/gtest.h>

#include "events/EventStrings.h"
#include "events/EventTypes.h"

namespace
{
TEST(EventStrings, theCoreCodesAndNamesMapBothWays)
{
    struct Named
    {
        int code;
        const char* name;
    };
    const Named names[] = {{EVT::EVENT_SHUTDOWN, "SHUTDOWN"},
                           {EVT::EVENT_START, "START"},
                           {EVT::EVENT_END, "END"},
                           {EVT::EVENT_PAUSE, "PAUSE"},
                           {EVT::EVENT_RESUME, "RESUME"},
                           {EVT::EVENT_UPDATE, "UPDATE"},
                           {EVT::EVENT_PRE_UPDATE, "PRE_UPDATE"},
                           {EVT::EVENT_RENDER, "RENDER"},
                           {EVT::EVENT_SCREEN, "SCREEN"},
                           {EVT::EVENT_SETMOUESE, "SETMOUESE"},
                           {EVT::EVENT_MOUSE, "MOUSE"},
                           {EVT::EVENT_ENTERLEAVE, "ENTERLEAVE"},
                           {EVT::EVENT_KEY, "KEY"},
                           {EVT::EVENT_JOYPAD, "JOYPAD"},
                           {EVT::EVENT_JOYSTICK, "JOYSTICK"},
                           {EVT::EVENT_ANYINPUT, "ANYINPUT"},
                           {EVT::EVENT_INPUT_CONTROLLER, "INPUT_CONTROLLER"},
                           {EVT::EVENT_AREA_GOTO, "AREA_GOTO"},
                           {EVT::EVENT_KICK_AUTO_PAUSER, "KICK_AUTO_PAUSER"},
                           {EVT::EVENT_MENU_EXIT, "MENU_EXIT"},
                           {EVT::EVENT_MENU_NEXT_ITEM, "MENU_NEXT_ITEM"},
                           {EVT::EVENT_MENU_PREV_ITEM, "MENU_PREV_ITEM"},
                           {EVT::EVENT_MENU_NEXT_OPTION, "MENU_NEXT_OPTION"},
                           {EVT::EVENT_MENU_PREV_OPTION, "MENU_PREV_OPTION"},
                           {EVT::EVENT_MENU_SELECT, "MENU_SELECT"},
                           {EVT::EVENT_MENU_SELECT_ITEM, "MENU_SELECT_ITEM"},
                           {EVT::EVENT_MENU_GOTO_ITEM, "MENU_GOTO_ITEM"},
                           {EVT::EVENT_SOUND, "SOUND"},
                           {EVT::EVENT_MUSIC, "MUSIC"}};
    const Util::TwoWayMapping<int>& table = Util::Singleton<EVT::EventStrings>::instance().mapping();
    for (const Named& n : names)
    {
        EXPECT_EQ(&n - names + 1, n.code) << "the core codes run from 1 without a gap";
        EXPECT_EQ(n.name, table.getName(n.code)) << n.code;
        EXPECT_EQ(n.code, table.getKey(n.name)) << n.name;
    }
    EXPECT_EQ("INVALID", table.getName(EVT::EVENT_FIRST_GAME_TYPE)) << "the game adds its own codes";
    EXPECT_EQ("INVALID", table.getName(EVT::EVENT_INVALID));
    EXPECT_EQ(EVT::EVENT_INVALID, table.getKey("INVALID"));
    EXPECT_EQ(EVT::EVENT_INVALID, table.getKey("FOO"));
    EXPECT_EQ(EVT::EVENT_INVALID, table.getKey(""));
    EXPECT_EQ(EVT::EVENT_INVALID, table.getKey("SETMOUSE"));
    EXPECT_EQ("INVALID", table.getName(99));
}

TEST(EventStrings, addOverwritesBothDirectionsAndKeepsAliases)
{
    EVT::EventStrings strings;
    strings.add(31, "MOVE_UP");
    EXPECT_EQ(31, strings.mapping().getKey("MOVE_UP"));
    EXPECT_EQ("MOVE_UP", strings.mapping().getName(31));

    strings.add(EVT::EVENT_SETMOUESE, "X");
    EXPECT_EQ("X", strings.mapping().getName(EVT::EVENT_SETMOUESE));
    EXPECT_EQ(EVT::EVENT_SETMOUESE, strings.mapping().getKey("X"));
    EXPECT_EQ(EVT::EVENT_SETMOUESE, strings.mapping().getKey("SETMOUESE"));
}
} // namespace
