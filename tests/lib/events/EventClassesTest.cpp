#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "events/Event.h"
#include "events/EventWithString.h"
#include "events/Event_EnterLeave.h"
#include "events/Event_InputController.h"
#include "events/Event_Joypad.h"
#include "events/Event_Key.h"
#include "events/Event_Mouse.h"
#include "events/Event_PreUpdate.h"
#include "events/Event_Screen.h"
#include "events/Event_SetMouse.h"
#include "events/Event_Sound.h"
#include "events/Event_Update.h"
#include "events/EventTypes.h"

namespace
{
template <class E> std::unique_ptr<E> cloneOf(const E& e)
{
    std::unique_ptr<EVT::I_Event> copy(e.clone());
    EXPECT_EQ(e.getType(), copy->getType());
    E* typed = EVT::eventAs<E>(copy.get());
    EXPECT_NE(nullptr, typed) << "clone keeps the class";
    copy.release();
    return std::unique_ptr<E>(typed);
}

TEST(EventClasses, cloneCopiesTheClassAndEveryField)
{
    EXPECT_EQ(EVT::EVENT_SHUTDOWN, cloneOf(EVT::Event(EVT::EVENT_SHUTDOWN))->getType());
    EXPECT_EQ("MENU_1", cloneOf(EVT::EventWithString(EVT::EVENT_MENU_SELECT_ITEM, "MENU_1"))->getString());

    auto sound = cloneOf(EVT::Event_Sound(EVT::EVENT_SOUND, "escape", true, 80, 120));
    EXPECT_EQ("escape", sound->getString());
    EXPECT_TRUE(sound->play);
    EXPECT_EQ(80, sound->volume);
    EXPECT_EQ(120, sound->pitch);

    auto key = cloneOf(EVT::Event_Key(EVT::EVENT_KEY, 200, true, 5));
    EXPECT_EQ(200, key->key);
    EXPECT_TRUE(key->pressed);
    EXPECT_EQ(5, key->modifiers);

    auto mouse = cloneOf(EVT::Event_Mouse(EVT::EVENT_MOUSE, 3, 4, -1, 2, true));
    EXPECT_EQ(3, mouse->x);
    EXPECT_EQ(4, mouse->y);
    EXPECT_EQ(-1, mouse->wheelDelta);
    EXPECT_EQ(2, mouse->buttons);
    EXPECT_TRUE(mouse->pressed);

    auto pad = cloneOf(EVT::Event_Joypad(EVT::EVENT_JOYPAD, 15, -1, 1, true, false, false, true));
    EXPECT_EQ(15, pad->joystick);
    EXPECT_EQ(-1, pad->axisX);
    EXPECT_EQ(1, pad->axisY);
    EXPECT_TRUE(pad->buttons[0]);
    EXPECT_FALSE(pad->buttons[1]);
    EXPECT_FALSE(pad->buttons[2]);
    EXPECT_TRUE(pad->buttons[3]);

    auto screen = cloneOf(EVT::Event_Screen(EVT::EVENT_SCREEN, 640, 480));
    EXPECT_EQ(640, screen->width);
    EXPECT_EQ(480, screen->height);

    EXPECT_FLOAT_EQ(16.5f, cloneOf(EVT::Event_Update(EVT::EVENT_UPDATE, 16.5f))->elapsed);
    EXPECT_FLOAT_EQ(16.5f, cloneOf(EVT::Event_PreUpdate(EVT::EVENT_PRE_UPDATE, 16.5f))->elapsed);

    auto setMouse =
        cloneOf(EVT::Event_SetMouse(EVT::EVENT_SETMOUESE, -1, 20, EVT::Event_SetMouse::CURSOR_HIDE));
    EXPECT_EQ(-1, setMouse->getWarpX());
    EXPECT_EQ(20, setMouse->getWarpY());
    EXPECT_EQ(EVT::Event_SetMouse::CURSOR_HIDE, setMouse->getCursorMode());

    EXPECT_FALSE(cloneOf(EVT::Event_EnterLeave(EVT::EVENT_ENTERLEAVE, false))->active);

    auto controller = cloneOf(EVT::Event_InputController(EVT::EVENT_INPUT_CONTROLLER, "GAME", true));
    EXPECT_EQ("GAME", controller->controllerName);
    EXPECT_TRUE(controller->activate);
}

TEST(EventClasses, eventAsAnswersNullForAnotherClass)
{
    // A configuration can raise any type, KEY included, as a string event.
    EVT::EventWithString configured(EVT::EVENT_KEY, "x");
    EXPECT_EQ(nullptr, EVT::eventAs<EVT::Event_Key>(&configured));
    EXPECT_EQ(&configured, EVT::eventAs<EVT::EventWithString>(&configured));

    EVT::Event_Sound sound(EVT::EVENT_SOUND, "beep", true, 0, 0);
    const EVT::I_Event* asEvent = &sound;
    EXPECT_EQ(&sound, EVT::eventAs<EVT::EventWithString>(asEvent)) << "a sound event carries a string";
    EXPECT_EQ(nullptr, EVT::eventAs<EVT::Event_Sound>(&configured));
    EXPECT_EQ(nullptr, EVT::eventAs<EVT::Event_Mouse>(static_cast<EVT::I_Event*>(nullptr)));
}
} // namespace
