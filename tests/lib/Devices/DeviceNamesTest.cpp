#include <gtest/gtest.h>

#include "Devices/JoypadStrings.h"
#include "Devices/MouseStrings.h"

namespace
{
struct NameToCode
{
    const char* name;
    int code;
};

TEST(DeviceNames, MouseButtonsInOneOrderOnly)
{
    const Util::TwoWayMapping<Devices::Mouse::MouseButton>& buttons =
        Devices::MouseStrings::instance().btnMapping();
    const NameToCode cases[] = {
        {"NONE", 0},    {"LMB", 1},     {"RMB", 2},         {"MMB", 4},          {"LMB+RMB", 3},
        {"LMB+MMB", 5}, {"RMB+MMB", 6}, {"LMB+RMB+MMB", 7}, {"RMB+LMB", 0xffff}, {"lmb", 0xffff},
    };
    for (const NameToCode& c : cases)
        EXPECT_EQ(c.code, buttons.getKey(c.name)) << c.name;
    EXPECT_EQ("RMB+MMB", buttons.getName(static_cast<Devices::Mouse::MouseButton>(6)));
    EXPECT_EQ("INVALID", buttons.getName(static_cast<Devices::Mouse::MouseButton>(8)));
}

TEST(DeviceNames, JoypadFlagsFromTheLowestBitUp)
{
    const Util::TwoWayMapping<Devices::Joypad::JPadFlag>& flags =
        Devices::JoypadStrings::instance().jpadMapping();
    const NameToCode cases[] = {
        {"UP", 0x01}, {"DN", 0x02},    {"LF", 0x04},    {"RT", 0x08},    {"B1", 0x10},
        {"B4", 0x80}, {"UP+LF", 0x05}, {"UP+B1", 0x11}, {"LF+RT", 0x0C}, {"UP+DN+LF+RT+B1+B2+B3+B4", 0xFF},
        {"B1+UP", 0}, {"NONE", 0},     {"up", 0},       {"", 0},
    };
    for (const NameToCode& c : cases)
        EXPECT_EQ(c.code, flags.getKey(c.name)) << c.name;
    EXPECT_EQ("NONE", flags.getName(static_cast<Devices::Joypad::JPadFlag>(0)));
    EXPECT_EQ("DN+B3", flags.getName(static_cast<Devices::Joypad::JPadFlag>(0x42)));
    // The same word names a key code in the keyboard table and a flag here.
    EXPECT_EQ(Devices::Joypad::UP, flags.getKey("UP"));
}
} // namespace
