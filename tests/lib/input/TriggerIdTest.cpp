#include <gtest/gtest.h>

#include "input/TriggerId.h"
#include "input/TriggerIdStrings.h"

namespace
{
using Devices::Joypad;
using Input::TriggerId;

TriggerId key(unsigned char k, int mods)
{
    return TriggerId(k, mods);
}

TriggerId mouse(int button)
{
    return TriggerId(static_cast<Devices::Mouse::MouseButton>(button));
}

// A joypad trigger as the input handler makes it from live input: every active flag as both
// other-flags and mask.
TriggerId livePad(Joypad::JPadFlag flag, int active)
{
    return TriggerId(flag, active);
}

TEST(TriggerId, Equality)
{
    const struct
    {
        const char* what;
        TriggerId bound;
        TriggerId live;
        bool equal;
    } cases[] = {
        {"same key, no modifiers", key('a', 0), key('a', 0), true},
        {"modifiers must match exactly", key('a', 0), key('a', 1), false},
        {"extra modifier", key('a', 1), key('a', 5), false},
        {"unknown modifier word never matches", key('a', 0xffff), key('a', 7), false},
        {"other key", key('a', 0), key('b', 0), false},
        {"same button", mouse(1), mouse(1), true},
        {"other button", mouse(1), mouse(2), false},
        {"unknown button word never matches", mouse(0xffff), mouse(1), false},
        {"different types", key(1, 0), mouse(1), false},
        {"wheel", TriggerId(TriggerId::WHEEL_UP), TriggerId(TriggerId::WHEEL_UP), true},
        {"wheel directions differ", TriggerId(TriggerId::WHEEL_UP), TriggerId(TriggerId::WHEEL_DN), false},
        {"dwell", TriggerId(TriggerId::DWELL), TriggerId(TriggerId::DWELL), true},
        {"enter/leave", TriggerId(TriggerId::ENTERLEAVE), TriggerId(TriggerId::ENTERLEAVE), true},
        {"undefined", TriggerId(), TriggerId(), true},
        {"type out of range", TriggerId(static_cast<TriggerId::TriggerType>(9)),
         TriggerId(static_cast<TriggerId::TriggerType>(9)), false},
        {"pad flag alone decides", TriggerId(Joypad::UP, 0, 0), livePad(Joypad::UP, Joypad::UP | Joypad::B1),
         true},
        {"pad flags differ", TriggerId(Joypad::UP, 0, 0), livePad(Joypad::DN, Joypad::DN), false},
        {"mask only: B1 must be inactive", TriggerId(Joypad::UP, 0, Joypad::B1),
         livePad(Joypad::UP, Joypad::UP), true},
        {"mask only: B1 active", TriggerId(Joypad::UP, 0, Joypad::B1),
         livePad(Joypad::UP, Joypad::UP | Joypad::B1), false},
        {"other and mask: B1 does not matter", TriggerId(Joypad::UP, Joypad::B1, Joypad::B1),
         livePad(Joypad::UP, Joypad::UP | Joypad::B1), true},
        {"other and mask, B1 inactive", TriggerId(Joypad::UP, Joypad::B1, Joypad::B1),
         livePad(Joypad::UP, Joypad::UP), true},
        {"other only: B2 must be inactive", TriggerId(Joypad::UP, Joypad::B2, 0),
         livePad(Joypad::UP, Joypad::UP | Joypad::B2), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.equal, c.bound == c.live) << c.what;
}

TEST(TriggerId, FieldsOfOtherTypesReadZero)
{
    TriggerId k(Devices::Keyboard::KEY_ESC, Devices::Keyboard::MOD_CTRL);
    EXPECT_EQ(TriggerId::KEY, k.getType());
    EXPECT_EQ(27, k.getKey());
    EXPECT_EQ(4, k.getKeymods());
    EXPECT_EQ(0, k.getMouseButton());
    EXPECT_EQ(0, k.getJPadFlag());

    TriggerId pad(Joypad::LF, Joypad::B1, Joypad::B2);
    EXPECT_EQ(Joypad::LF, pad.getJPadFlag());
    EXPECT_EQ(Joypad::B1, pad.getJPadOtherFlags());
    EXPECT_EQ(Joypad::B2, pad.getJPadFlagMask());
    EXPECT_EQ(0, pad.getKey());
    EXPECT_EQ(0, pad.getKeymods());

    // A trigger made from its type alone has nothing set, and nothing left unset either.
    for (TriggerId::TriggerType type : {TriggerId::KEY, TriggerId::MOUSE, TriggerId::JPAD})
    {
        const TriggerId bare(type);
        EXPECT_EQ(0, bare.getKey()) << type;
        EXPECT_EQ(0, bare.getKeymods()) << type;
        EXPECT_EQ(0, bare.getMouseButton()) << type;
        EXPECT_EQ(0, bare.getJPadFlag()) << type;
        EXPECT_EQ(0, bare.getJPadOtherFlags()) << type;
        EXPECT_EQ(0, bare.getJPadFlagMask()) << type;
        EXPECT_EQ(0, bare.getFirstPressMSecs() + bare.getRepeatPressMSecs() + bare.getHoldDelayMSecs() +
                         bare.getRepeatHoldMSecs())
            << type;
    }
    EXPECT_TRUE(TriggerId(TriggerId::KEY) == key(0, 0));
    EXPECT_TRUE(TriggerId(TriggerId::MOUSE) == mouse(0));

    TriggerId none;
    EXPECT_EQ(TriggerId::UNDEF, none.getType());
    EXPECT_EQ(0, none.getFirstPressMSecs());
    EXPECT_EQ(0, none.getRepeatPressMSecs());
    EXPECT_EQ(0, none.getHoldDelayMSecs());
    EXPECT_EQ(0, none.getRepeatHoldMSecs());

    pad.setTimes(1, 2, 3, 4);
    EXPECT_EQ(1, pad.getFirstPressMSecs());
    EXPECT_EQ(2, pad.getRepeatPressMSecs());
    EXPECT_EQ(3, pad.getHoldDelayMSecs());
    EXPECT_EQ(4, pad.getRepeatHoldMSecs());
}

TEST(TriggerId, TypeNames)
{
    const Util::TwoWayMapping<TriggerId::TriggerType>& types =
        Input::TriggerIdStrings::instance().typeMapping();
    const struct
    {
        const char* name;
        int type;
    } cases[] = {{"KEY", 1},        {"MOUSE", 2}, {"WHEEL_UP", 3}, {"WHEEL_DN", 4}, {"DWELL", 5},
                 {"ENTERLEAVE", 6}, {"JPAD", 7},  {"UNDEF", 0},    {"key", 0},      {"", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c.type, types.getKey(c.name)) << c.name;
    EXPECT_EQ("UNDEF", types.getName(static_cast<TriggerId::TriggerType>(9)));
    EXPECT_EQ("JPAD", types.getName(TriggerId::JPAD));
}
} // namespace
