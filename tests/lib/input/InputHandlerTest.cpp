#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "Devices/DeviceRegistry.h"
#include "Devices/Joypad.h"
#include "events/EventTypes.h"
#include "events/Event_Joypad.h"
#include "input/InputController.h"
#include "input/InputHandler.h"
#include "input/ScreenAreaController.h"
#include "input/SwitchController.h"
#include "InputFakes.h"

namespace
{
using Devices::Joypad;
using Input::ActionId;
using Input::Switch;
using Input::SwitchRenderInfo;
using Input::TriggerId;
using InputTest::makeArea;

// A switch whose actions name the area, the trigger and what happened, e.g. "A:LMB:press".
Switch labelled(const std::string& area, const TriggerId& trigger, const std::string& label)
{
    Switch sw;
    sw.setTriggerAreaId(area);
    sw.setTriggerId(trigger);
    sw.setPressActionId(ActionId(100, area + ":" + label + ":press"));
    sw.setReleaseActionId(ActionId(100, area + ":" + label + ":release"));
    return sw;
}

class Handler : public ::testing::Test
{
protected:
    Handler() : handler(&areas, &switches, &renderer)
    {
        // Input box (100, 50, 400, 200) in window pixels.
        renderer.box.x = 100;
        renderer.box.y = 50;
        renderer.box.w = 400;
        renderer.box.h = 200;
    }

    // Pixels of the point at the given percents of the input box.
    static int px(float percent) { return 100 + static_cast<int>(percent * 4); }
    static int py(float percent) { return 50 + static_cast<int>(percent * 2); }

    std::vector<std::string> taken()
    {
        std::vector<std::string> out;
        for (const ActionId& action : handler.getActions())
            out.push_back(action.getString());
        handler.clearActions();
        return out;
    }

    // Lets a frame pass and answers what the switches raised.
    std::vector<std::string> step()
    {
        handler.handleUpdate(16.0f);
        return taken();
    }

    void addEnterLeave(const std::string& area)
    {
        Switch sw = labelled(area, TriggerId(TriggerId::ENTERLEAVE), "in");
        sw.setReleaseActionId(ActionId(100, area + ":out"));
        switches.addSwitch(sw);
    }

    InputTest::RecordingRenderer renderer;
    Input::ScreenAreaController areas;
    Input::SwitchController switches;
    Input::InputHandler handler;
};

using Texts = std::vector<std::string>;

TEST_F(Handler, PointerPercentsAndTheHitTest)
{
    Input::I_ScreenArea* a = makeArea("A", 0, 0, 50, 50);
    Input::I_ScreenArea* b = makeArea("B", 50, 50, 10, 10);
    areas.addArea(a);
    areas.addArea(b);
    // (300, 150) is at (50, 50) percent of the box: outside A, whose right and bottom edges are
    // outside it, and inside B.
    handler.handleMouse(300, 150, 0, 0, false);
    EXPECT_EQ(b, handler.getCurrentArea());
    handler.handleMouse(299, 149, 0, 0, false);
    EXPECT_EQ(a, handler.getCurrentArea());

    // Of overlapping areas the one added later wins the hit test; a name finds the first.
    Input::I_ScreenArea* cover = makeArea("B", 0, 0, 100, 100);
    areas.addArea(cover);
    EXPECT_EQ(cover, areas.getArea(55.0f, 55.0f));
    EXPECT_EQ(b, areas.getArea("B"));
    EXPECT_EQ(nullptr, areas.getArea(100.0f, 100.0f));
    EXPECT_EQ(nullptr, areas.getArea("b"));
}

TEST_F(Handler, MovingBetweenAreasLeavesEntersAndSwallowsThatEventsInput)
{
    areas.addArea(makeArea("A", 0, 0, 50, 100));
    areas.addArea(makeArea("B", 50, 0, 50, 100));
    addEnterLeave("A");
    addEnterLeave("B");
    switches.addSwitch(labelled("B", TriggerId(Devices::Mouse::LMB), "LMB"));
    switches.addSwitch(labelled("B", TriggerId(TriggerId::WHEEL_UP), "up"));
    switches.addSwitch(labelled("A", TriggerId(TriggerId::WHEEL_UP), "up"));

    handler.handleMouse(px(10), py(10), 0, 0, false);
    EXPECT_EQ(Texts{"A:in:press"}, taken());
    // A press that moves the pointer into B enters B and does nothing else.
    handler.handleMouse(px(60), py(10), 0, Devices::Mouse::LMB, true);
    EXPECT_EQ((Texts{"A:out", "B:in:press"}), taken());
    EXPECT_EQ(Texts{}, step());
    handler.handleMouse(px(70), py(10), 2, 0, false);
    EXPECT_EQ(Texts{"B:up:press"}, step());
    // A wheel turn that carries the pointer back into A only moves it.
    handler.handleMouse(px(20), py(10), 2, 0, false);
    EXPECT_EQ((Texts{"B:out", "A:in:press"}), taken());
    EXPECT_EQ(Texts{}, step());
    handler.handleMouse(px(70), py(10), 0, 0, false);
    EXPECT_EQ((Texts{"A:out", "B:in:press"}), taken());
    // Off every area: B is left and none is current; input then does nothing.
    handler.handleMouse(px(70), py(150), 0, 0, false);
    EXPECT_EQ(Texts{"B:out"}, taken());
    EXPECT_EQ(nullptr, handler.getCurrentArea());
    handler.handleMouse(px(70), py(150), 0, Devices::Mouse::LMB, true);
    handler.handleKey('a', 0, true);
    EXPECT_EQ(Texts{}, step());
}

TEST_F(Handler, ButtonsAndWheelInTheCurrentArea)
{
    areas.addArea(makeArea("A", 0, 0, 100, 100));
    switches.addSwitch(labelled("A", TriggerId(Devices::Mouse::LMB), "LMB"));
    switches.addSwitch(labelled("A", TriggerId(Devices::Mouse::RMB), "RMB"));
    switches.addSwitch(labelled("A", TriggerId(Devices::Mouse::MMB), "MMB"));
    switches.addSwitch(labelled("A", TriggerId(TriggerId::WHEEL_UP), "up"));
    switches.addSwitch(labelled("A", TriggerId(TriggerId::WHEEL_DN), "down"));
    ASSERT_TRUE(handler.setArea("A"));

    const struct
    {
        int wheel;
        int button;
        bool pressed;
        Texts expected;
    } cases[] = {
        {0, 1, true, {"A:LMB:press"}},
        {0, 1, false, {"A:LMB:release"}},
        {0, 4, true, {"A:MMB:press"}},
        {0, 2, true, {"A:RMB:press"}},
        {3, 0, false, {"A:up:press"}},
        {-1, 0, false, {"A:down:press"}},
        {0, 8, true, {}},
        {0, 3, true, {}},
        {0, 0, true, {}},
    };
    for (const auto& c : cases)
    {
        handler.handleMouse(px(50), py(50), c.wheel, c.button, c.pressed);
        EXPECT_EQ(c.expected, step()) << "wheel " << c.wheel << " button " << c.button;
    }
}

TEST_F(Handler, FirstReleaseOfEachButtonAfterSetAreaIsSwallowed)
{
    areas.addArea(makeArea("A", 0, 0, 100, 100));
    switches.addSwitch(labelled("A", TriggerId(Devices::Mouse::LMB), "LMB"));
    switches.addSwitch(labelled("A", TriggerId(Devices::Mouse::RMB), "RMB"));
    ASSERT_TRUE(handler.setArea("A"));
    handler.handleMouse(px(50), py(50), 0, Devices::Mouse::RMB, false);
    EXPECT_EQ(Texts{}, step());
    handler.handleMouse(px(50), py(50), 0, Devices::Mouse::RMB, true);
    EXPECT_EQ(Texts{"A:RMB:press"}, step());
    handler.handleMouse(px(50), py(50), 0, Devices::Mouse::RMB, false);
    EXPECT_EQ(Texts{"A:RMB:release"}, step());
    // A press of the left button passes at once; its release too.
    handler.handleMouse(px(50), py(50), 0, Devices::Mouse::LMB, true);
    EXPECT_EQ(Texts{"A:LMB:press"}, step());
    handler.handleMouse(px(50), py(50), 0, Devices::Mouse::LMB, false);
    EXPECT_EQ(Texts{"A:LMB:release"}, step());
    // Afresh: a press of one button unflags that button only.
    ASSERT_TRUE(handler.setArea("A"));
    handler.handleMouse(px(50), py(50), 0, Devices::Mouse::LMB, true);
    EXPECT_EQ(Texts{"A:LMB:press"}, step());
    handler.handleMouse(px(50), py(50), 0, Devices::Mouse::RMB, false);
    EXPECT_EQ(Texts{}, step());
}

TEST_F(Handler, JoypadFlagsFromTheBaselineOn)
{
    areas.addArea(makeArea("A", 0, 0, 100, 100));
    switches.addSwitch(labelled("A", TriggerId(Joypad::UP, 0, 0), "UP"));
    switches.addSwitch(labelled("A", TriggerId(Joypad::B2, 0, 0), "B2"));
    switches.addSwitch(labelled("A", TriggerId(Joypad::LF, 0, Joypad::B1), "LF-without-B1"));

    Joypad pad;
    Devices::setJoypad(&pad);
    EVT::Event_Joypad state(EVT::EVENT_JOYPAD, 0, 0, 1, false, true, false, false); // UP and B2 held
    pad.handleEvent(&state);
    ASSERT_TRUE(handler.setArea("A"));
    Devices::setJoypad(nullptr);

    const bool none[4] = {false, false, false, false};
    const bool b2[4] = {false, true, false, false};
    const bool b1[4] = {true, false, false, false};
    // The first report: UP came up (swallowed), B2 is still held (no change).
    handler.handleJoypad(0, 0, b2);
    EXPECT_EQ(Texts{}, step());
    handler.handleJoypad(0, 1, b2);
    EXPECT_EQ(Texts{"A:UP:press"}, step());
    handler.handleJoypad(0, 0, none);
    EXPECT_EQ((Texts{"A:UP:release", "A:B2:release"}), step());
    // Only the exact axis values count.
    handler.handleJoypad(0, 2, none);
    EXPECT_EQ(Texts{}, step());
    handler.handleJoypad(-1, 0, b1);
    EXPECT_EQ(Texts{}, step());
    handler.handleJoypad(0, 0, none);
    handler.handleJoypad(-1, 0, none);
    EXPECT_EQ(Texts{"A:LF-without-B1:press"}, step());
}

TEST_F(Handler, JoypadWithoutACurrentAreaChangesNothing)
{
    areas.addArea(makeArea("A", 0, 0, 100, 100));
    switches.addSwitch(labelled("A", TriggerId(Joypad::UP, 0, 0), "UP"));
    const bool none[4] = {false, false, false, false};
    ASSERT_TRUE(handler.setArea("A"));
    handler.handleJoypad(0, 1, none); // first report after setArea: UP comes on and passes
    EXPECT_EQ(Texts{"A:UP:press"}, step());
    handler.gotoArea("nowhere");
    handler.handleJoypad(0, 0, none); // no area: UP stays as last seen
    handler.gotoArea("A");
    taken();
    handler.handleJoypad(0, 0, none);
    EXPECT_EQ(Texts{"A:UP:release"}, step());
}

TEST_F(Handler, SetAndGotoArea)
{
    areas.addArea(makeArea("A", 0, 0, 50, 100));
    areas.addArea(makeArea("B", 50, 0, 50, 100));
    addEnterLeave("A");
    addEnterLeave("B");

    EXPECT_FALSE(handler.setArea("unknown"));
    EXPECT_EQ(nullptr, handler.getCurrentArea());
    EXPECT_EQ(Texts{}, taken());
    EXPECT_FALSE(handler.gotoArea(Input::InputController::GOTOCURAREA));

    // setArea drops the enter actions it caused.
    EXPECT_TRUE(handler.setArea("A"));
    EXPECT_EQ(Texts{}, taken());
    EXPECT_TRUE(handler.gotoArea(Input::InputController::GOTOCURAREA));
    EXPECT_EQ((Texts{"A:out", "A:in:press"}), taken());
    EXPECT_TRUE(handler.gotoArea("B"));
    EXPECT_EQ((Texts{"A:out", "B:in:press"}), taken());
    EXPECT_FALSE(handler.gotoArea("unknown"));
    EXPECT_EQ(Texts{"B:out"}, taken());
    EXPECT_EQ(nullptr, handler.getCurrentArea());
    // No leave actions for the area that was current when setArea makes another current afresh.
    handler.gotoArea("B");
    EXPECT_TRUE(handler.setArea("A"));
    EXPECT_EQ(Texts{}, taken());
}

TEST_F(Handler, FramesAdvanceByWholeMilliseconds)
{
    areas.addArea(makeArea("A", 0, 0, 100, 100));
    switches.addSwitch(labelled("A", TriggerId(static_cast<unsigned char>('a'), 0), "a"));
    ASSERT_TRUE(handler.setArea("A"));
    handler.handleKey('a', 0, true);
    handler.handleUpdate(0.9f);
    EXPECT_EQ(Texts{}, taken());
    // Steps that are not a usable time advance nothing.
    handler.handleUpdate(-5.0f);
    handler.handleUpdate(std::nanf(""));
    EXPECT_EQ(Texts{}, taken());
    handler.handleUpdate(std::numeric_limits<float>::infinity());
    EXPECT_EQ(Texts{"A:a:press"}, taken());
    handler.handleKey('a', 1, false); // other modifiers: another trigger
    handler.handleUpdate(1e30f);
    EXPECT_EQ(Texts{}, taken());
}

TEST_F(Handler, CountdownDisplayShowsTheSoonestColouredCountdown)
{
    areas.addArea(makeArea("A", 0, 0, 50, 100));
    areas.addArea(makeArea("B", 50, 0, 50, 100));
    areas.getArea("A")->setAreaModel("plain");
    areas.getArea("A")->setHighLightModel("lit");
    areas.getArea("A")->setAreaMaterial("dull");
    areas.getArea("A")->setHighLightMaterial("bright");
    const long delays[3] = {300, 200, 100};
    const unsigned long colours[3] = {0x11223344, 0x55667788, 0};
    for (int i = 0; i < 3; ++i)
    {
        TriggerId dwell(TriggerId::DWELL);
        dwell.setTimes(delays[i], 0, 0, 0);
        Switch sw = labelled("A", dwell, "dwell");
        sw.setRenderTUP(colours[i]);
        switches.addSwitch(sw);
    }
    ASSERT_TRUE(handler.setArea("A"));
    handler.handleUpdate(50.0f);
    handler.render();
    EXPECT_EQ(1, renderer.starts);
    EXPECT_EQ(1, renderer.stops);
    ASSERT_EQ(2u, renderer.drawn.size());
    const InputTest::RecordingRenderer::Drawn& a = renderer.drawn[0];
    EXPECT_TRUE(a.info.isCurrentArea);
    EXPECT_EQ("lit", a.model);
    EXPECT_EQ("bright", a.material);
    EXPECT_EQ(150, a.info.press.timeLeft); // the uncoloured 100 ms countdown is never shown
    EXPECT_EQ(200, a.info.press.initialTime);
    EXPECT_EQ(0x55, a.info.press.r);
    EXPECT_EQ(0x66, a.info.press.g);
    EXPECT_EQ(0x77, a.info.press.b);
    EXPECT_EQ(0x88, a.info.press.a);
    EXPECT_EQ(0, a.info.hold.timeLeft);
    EXPECT_EQ(0, a.info.release.timeLeft);
    EXPECT_FALSE(renderer.drawn[1].info.isCurrentArea);
    EXPECT_EQ(0, renderer.drawn[1].info.press.timeLeft);

    handler.gotoArea("nowhere");
    handler.render();
    ASSERT_EQ(2u, renderer.drawn.size());
    EXPECT_FALSE(renderer.drawn[0].info.isCurrentArea);
    EXPECT_EQ("plain", renderer.drawn[0].model);
    EXPECT_EQ("dull", renderer.drawn[0].material);
    EXPECT_EQ(0, renderer.drawn[0].info.press.timeLeft);
}

TEST_F(Handler, CountdownDisplayOfEachKindInItsOwnColour)
{
    areas.addArea(makeArea("A", 0, 0, 100, 100));
    TriggerId key(static_cast<unsigned char>('a'), 0);
    key.setTimes(0, 0, 100, 300);
    // Two switches whose countdowns always run alike: the first in list order is shown.
    const unsigned long colours[2][3] = {{0x01020304, 0x05060708, 0x090A0B0C},
                                         {0xF1F2F3F4, 0xF5F6F7F8, 0xF9FAFBFC}};
    for (const auto& c : colours)
    {
        Switch sw = labelled("A", key, "a");
        sw.setRenderTUP(c[0]);
        sw.setRenderTUH(c[1]);
        sw.setRenderTUR(c[2]);
        switches.addSwitch(sw);
    }
    ASSERT_TRUE(handler.setArea("A"));

    struct Shown
    {
        long timeLeft;
        long initialTime;
        unsigned char r, g, b, a;
    };
    auto expectShown = [](const SwitchRenderInfo::Entry& entry, const Shown& shown, const char* what)
    {
        EXPECT_EQ(shown.timeLeft, entry.timeLeft) << what;
        EXPECT_EQ(shown.initialTime, entry.initialTime) << what;
        EXPECT_EQ((std::vector<int>{shown.r, shown.g, shown.b, shown.a}),
                  (std::vector<int>{entry.r, entry.g, entry.b, entry.a}))
            << what;
    };
    const Shown nothing = {0, 0, 0, 0, 0, 0};

    // Pressed: the press countdown of 1 runs.
    handler.handleKey('a', 0, true);
    handler.render();
    ASSERT_EQ(1u, renderer.drawn.size());
    expectShown(renderer.drawn[0].info.press, {1, 1, 0x01, 0x02, 0x03, 0x04}, "press");
    expectShown(renderer.drawn[0].info.hold, nothing, "no hold yet");
    expectShown(renderer.drawn[0].info.release, nothing, "no release yet");
    // The press fired: the hold countdown runs.
    handler.handleUpdate(1.0f);
    handler.render();
    expectShown(renderer.drawn[0].info.press, nothing, "press done");
    expectShown(renderer.drawn[0].info.hold, {100, 100, 0x05, 0x06, 0x07, 0x08}, "hold");
    // The hold fired: the hold repeat runs as the release countdown.
    handler.handleUpdate(100.0f);
    handler.handleUpdate(20.0f);
    handler.render();
    expectShown(renderer.drawn[0].info.hold, nothing, "hold done");
    expectShown(renderer.drawn[0].info.release, {280, 300, 0x09, 0x0A, 0x0B, 0x0C}, "release");

    // An area asked to draw itself without a renderer draws nothing and does not fail.
    areas.getArea("A")->render(nullptr, renderer.drawn[0].info);
    EXPECT_EQ(1u, renderer.drawn.size());
}

TEST_F(Handler, DeletingAreasNeverLeavesADanglingCurrentArea)
{
    areas.addArea(makeArea("A", 0, 0, 50, 100));
    areas.addArea(makeArea("B", 50, 0, 50, 100));
    addEnterLeave("A");
    ASSERT_TRUE(handler.setArea("A"));
    EXPECT_FALSE(areas.deleteArea("C"));
    EXPECT_TRUE(areas.deleteArea("B"));
    EXPECT_NE(nullptr, handler.getCurrentArea());
    EXPECT_TRUE(areas.deleteArea("A"));
    EXPECT_EQ(nullptr, handler.getCurrentArea());
    // Nothing of the deleted area is left or reached again.
    handler.handleKey('a', 0, true);
    handler.handleUpdate(10.0f);
    EXPECT_FALSE(handler.gotoArea(Input::InputController::GOTOCURAREA));
    EXPECT_EQ(Texts{}, taken());
    handler.render();
    EXPECT_TRUE(renderer.drawn.empty());

    areas.addArea(makeArea("A", 0, 0, 50, 100));
    ASSERT_TRUE(handler.setArea("A"));
    areas.clearAreas();
    EXPECT_EQ(nullptr, handler.getCurrentArea());
}

TEST(HandlerLifetime, TheAreaListMayGoFirst)
{
    InputTest::RecordingRenderer renderer;
    Input::SwitchController switches;
    Input::ScreenAreaController* areas = new Input::ScreenAreaController();
    Input::InputHandler handler(areas, &switches, &renderer);
    areas->addArea(makeArea("A", 0, 0, 100, 100));
    ASSERT_TRUE(handler.setArea("A"));
    delete areas;
    EXPECT_EQ(nullptr, handler.getCurrentArea());
    handler.handleMouse(10, 10, 0, 1, true);
    handler.render();
}

TEST(HandlerLifetime, AnInputBoxWithoutExtentTakesNoPointer)
{
    InputTest::RecordingRenderer renderer;
    Input::SwitchController switches;
    Input::ScreenAreaController areas;
    Input::InputHandler handler(&areas, &switches, &renderer);
    areas.addArea(makeArea("A", -100, -100, 1000, 1000));
    renderer.box.w = 0;
    handler.handleMouse(0, 0, 0, 0, false);
    EXPECT_EQ(nullptr, handler.getCurrentArea());
}

TEST(HandlerDeathTest, IsRefusedWithoutARenderer)
{
    Input::SwitchController switches;
    Input::ScreenAreaController areas;
    EXPECT_DEATH(Input::InputHandler(&areas, &switches, nullptr), "screen area renderer");
}
} // namespace
