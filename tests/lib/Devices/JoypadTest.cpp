#include <gtest/gtest.h>

#include <type_traits>

#include "Devices/DeviceRegistry.h"
#include "Devices/Joypad.h"
#include "Devices/Mouse.h"
#include "events/EventBus.h"
#include "events/EventWithString.h"
#include "events/EventTypes.h"
#include "events/Event_Joypad.h"

namespace
{
const int JOYPAD = EVT::EVENT_JOYPAD;

void raisePad(int stick, int x, int y, bool b1, bool b2, bool b3, bool b4)
{
    EVT::Event_Joypad event(JOYPAD, stick, x, y, b1, b2, b3, b4);
    EVT::EventBus::instance().raiseEvent(&event, false);
}

TEST(Joypad, PadStateAndFlags)
{
    Devices::Joypad pad;
    EXPECT_EQ(0, pad.getPadInfo(0));
    raisePad(0, -1, 0, false, false, true, false);
    EXPECT_EQ(0x44, pad.getPadInfo(0));
    EXPECT_EQ(-1, pad.getX(0));
    EXPECT_TRUE(pad.isPressed(0, 2));
    raisePad(0, 0, 1, false, false, false, false);
    EXPECT_EQ(Devices::Joypad::UP, pad.getPadInfo(0));
    raisePad(3, 1, -1, true, true, true, true);
    EXPECT_EQ(0xFA, pad.getPadInfo(3));
    EXPECT_EQ(-1, pad.getY(3));
}

TEST(Joypad, OutOfRangeReadsNothing)
{
    Devices::Joypad pad;
    raisePad(4, 1, 1, true, true, true, true);
    raisePad(-1, 1, 1, true, true, true, true);
    for (int i = 0; i < Devices::Joypad::PADS; ++i)
        EXPECT_EQ(0, pad.getPadInfo(i));
    raisePad(1, 1, 1, true, true, true, true);
    EXPECT_EQ(0, pad.getPadInfo(5));
    EXPECT_EQ(0, pad.getPadInfo(-1));
    EXPECT_EQ(0, pad.getX(4));
    EXPECT_EQ(0, pad.getY(-1));
    EXPECT_FALSE(pad.isPressed(1, 4));
    EXPECT_FALSE(pad.isPressed(1, -1));
    EXPECT_FALSE(pad.isPressed(7, 0));
    EXPECT_TRUE(pad.isPressed(1, 3));
}

TEST(Joypad, EventsOfTheWrongClassAreIgnored)
{
    Devices::Joypad pad;
    raisePad(0, 1, 0, false, false, false, false);
    EVT::EventWithString fake(JOYPAD, "JOYPAD");
    EVT::EventBus::instance().raiseEvent(&fake, false);
    EVT::EventBus::instance().raiseEvent(JOYPAD, false);
    EXPECT_EQ(Devices::Joypad::RT, pad.getPadInfo(0));
}

// A copy would not be subscribed and would silently stop following the devices.
static_assert(!std::is_copy_constructible<Devices::Joypad>::value, "a joypad is not copied");
static_assert(!std::is_copy_constructible<Devices::Mouse>::value, "a mouse is not copied");

TEST(DeviceRegistry, HoldsWhatIsRegistered)
{
    EXPECT_EQ(nullptr, Devices::getMouse());
    EXPECT_EQ(nullptr, Devices::getJoypad());
    EXPECT_EQ(nullptr, Devices::getScreen());
    EXPECT_EQ(nullptr, Devices::getKeyboard());
    Devices::Joypad pad;
    Devices::Mouse mouse(10, 10, 1.0f, 1.0f);
    Devices::setJoypad(&pad);
    Devices::setMouse(&mouse);
    EXPECT_EQ(&pad, Devices::getJoypad());
    EXPECT_EQ(&mouse, Devices::getMouse());
    Devices::setJoypad(nullptr);
    Devices::setMouse(nullptr);
    EXPECT_EQ(nullptr, Devices::getJoypad());
    EXPECT_EQ(nullptr, Devices::getMouse());
}
} // namespace
