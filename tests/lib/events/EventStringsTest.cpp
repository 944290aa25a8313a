#include <string>

#include <gtest/gtest.h>

#include "events/EventStrings.h"

namespace
{
TEST(EventStrings, theCoreCodesAndNamesMapBothWays)
{
    const char* const names[] = {"SHUTDOWN",
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
    const Util::TwoWayMapping<int>& table = Util::Singleton<EVT::EventStrings>::instance().mapping();
    int code = 1;
    for (const char* name : names)
    {
        EXPECT_EQ(name, table.getName(code)) << code;
        EXPECT_EQ(code, table.getKey(name)) << name;
        ++code;
    }
    EXPECT_EQ("INVALID", table.getName(0));
    EXPECT_EQ(0, table.getKey("INVALID"));
    EXPECT_EQ(0, table.getKey("FOO"));
    EXPECT_EQ(0, table.getKey(""));
    EXPECT_EQ(0, table.getKey("SETMOUSE"));
    EXPECT_EQ("INVALID", table.getName(99));
}

TEST(EventStrings, addOverwritesBothDirectionsAndKeepsAliases)
{
    EVT::EventStrings strings;
    strings.add(31, "MOVE_UP");
    EXPECT_EQ(31, strings.mapping().getKey("MOVE_UP"));
    EXPECT_EQ("MOVE_UP", strings.mapping().getName(31));

    strings.add(10, "X");
    EXPECT_EQ("X", strings.mapping().getName(10));
    EXPECT_EQ(10, strings.mapping().getKey("X"));
    EXPECT_EQ(10, strings.mapping().getKey("SETMOUESE"));
}
} // namespace
