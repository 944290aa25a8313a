#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "input/ScreenArea.h"
#include "input/SwitchController.h"

namespace
{
using Input::ActionId;
using Input::Switch;
using Input::SwitchController;
using Input::TriggerId;

const ActionId PRESS(101, "PRESS");
const ActionId RELEASE(102, "RELEASE");
const ActionId HOLD(103, "HOLD");
const ActionId HOLDREL(104, "HOLDREL");

TriggerId triggerOf(TriggerId::TriggerType type)
{
    return type == TriggerId::KEY ? TriggerId(static_cast<unsigned char>('a'), 0) : TriggerId(type);
}

Switch makeSwitch(const std::string& area, const TriggerId& trigger)
{
    Switch sw;
    sw.setTriggerAreaId(area);
    sw.setTriggerId(trigger);
    sw.setPressActionId(PRESS);
    sw.setReleaseActionId(RELEASE);
    sw.setHoldPressActionId(HOLD);
    sw.setHoldReleaseActionId(HOLDREL);
    return sw;
}

std::string names(const std::vector<ActionId>& actions, std::size_t from)
{
    std::string out;
    for (std::size_t i = from; i < actions.size(); ++i)
        out += (out.empty() ? "" : "+") + actions[i].getString();
    return out.empty() ? "." : out;
}

// Plays steps on one switch of area A: P and R press and release its trigger, E and L enter and leave A,
// EB enters area B, Tn lets n ms pass in A. The result lists, for each time step, what was queued since
// the previous one ("." for nothing).
std::string play(SwitchController& switches, const std::string& steps)
{
    Input::ScreenArea a("A");
    Input::ScreenArea b("B");
    const TriggerId live = triggerOf(switches.getSwitch(1)->getTriggerId().getType());
    std::vector<ActionId> actions;
    std::size_t reported = 0;
    std::string result;
    std::istringstream in(steps);
    std::string step;
    while (in >> step)
    {
        if (step == "P" || step == "R")
            switches.triggerArea(actions, &a, live, step == "P");
        else if (step == "E")
            switches.enteredArea(actions, &a);
        else if (step == "EB")
            switches.enteredArea(actions, &b);
        else if (step == "L")
            switches.leftArea(actions, &a);
        else if (step[0] == 'T')
        {
            switches.timePassed(actions, &a, std::stol(step.substr(1)));
            result += (result.empty() ? "" : " ") + names(actions, reported);
            reported = actions.size();
        }
        else
            ADD_FAILURE() << "unknown step " << step;
    }
    return result;
}

struct Scenario
{
    const char* what;
    TriggerId::TriggerType type;
    long firstPress, repeatPress, holdDelay, repeatHold;
    const char* steps;
    const char* expected;
};

TEST(SwitchController, Scenarios)
{
    const Scenario cases[] = {
        {"press then release", TriggerId::KEY, 0, 0, 0, 0, "P T1 T100 R T1 T100", "PRESS . RELEASE ."},
        {"press and release before a step", TriggerId::KEY, 0, 0, 0, 0, "P R T1", "RELEASE"},
        {"release and new press before a step", TriggerId::KEY, 0, 0, 0, 0, "P T1 R P T1 T1",
         "PRESS PRESS ."},
        {"a step of 0 ms runs nothing out", TriggerId::KEY, 0, 0, 0, 0, "P T0 T1", ". PRESS"},
        {"repeat press while down", TriggerId::KEY, 0, 200, 0, 0, "P T1 T199 T1 T200 R T1 T500",
         "PRESS . PRESS PRESS RELEASE ."},
        {"released before the hold", TriggerId::KEY, 0, 0, 300, 0, "P T1 T100 R T1 T1000",
         "PRESS . RELEASE ."},
        {"hold, then up", TriggerId::KEY, 0, 0, 300, 0, "P T1 T299 T1 T1000 R T1 T1000",
         "PRESS . HOLD . HOLDREL ."},
        {"hold repeating while down", TriggerId::KEY, 0, 0, 300, 100, "P T1 T300 T100 T100 T100 R T1 T1000",
         "PRESS HOLD HOLDREL HOLD HOLDREL HOLDREL ."},
        {"a press after the hold-release", TriggerId::KEY, 0, 50, 300, 0, "P T1 T300 R T1 T49 T1 T300",
         "PRESS HOLD HOLDREL . PRESS HOLD"},
        {"leftover time is not carried", TriggerId::DWELL, 30, 30, 0, 0, "E T40 T20 T10", "PRESS . PRESS"},
        {"dwell without a first delay never fires", TriggerId::DWELL, 0, 200, 0, 0, "E T1000 T1000", ". ."},
        {"dwell and repeat", TriggerId::DWELL, 500, 200, 0, 0, "E T499 T1 T200 T199 T1",
         ". PRESS PRESS . PRESS"},
        {"several wheel turns, one press", TriggerId::WHEEL_UP, 0, 0, 0, 0, "P P T1 T100", "PRESS ."},
        {"wheel repeats until an area is entered", TriggerId::WHEEL_UP, 0, 100, 0, 0, "P T1 T100 T100 E T100",
         "PRESS PRESS PRESS ."},
        {"enter and leave", TriggerId::ENTERLEAVE, 0, 0, 0, 0, "E T1 L T1", "PRESS RELEASE"},
        {"leaving for the same area", TriggerId::ENTERLEAVE, 0, 0, 0, 0, "L E T1", "RELEASE+PRESS"},
        {"entering another area resets this one", TriggerId::KEY, 0, 0, 0, 0, "P EB T1", "."},
        {"entering resets a held switch", TriggerId::KEY, 0, 0, 100, 0, "P T1 T100 E R T1",
         "PRESS HOLD RELEASE"},
    };
    for (const Scenario& c : cases)
    {
        SwitchController switches;
        TriggerId trigger = triggerOf(c.type);
        trigger.setTimes(c.firstPress, c.repeatPress, c.holdDelay, c.repeatHold);
        switches.addSwitch(makeSwitch("A", trigger));
        EXPECT_EQ(c.expected, play(switches, c.steps)) << c.what << ": " << c.steps;
    }
}

TEST(SwitchController, OnlyMatchingSwitchesOfTheAreaFireInListOrder)
{
    SwitchController switches;
    Switch first = makeSwitch("A", TriggerId(static_cast<unsigned char>('a'), 0));
    first.setPressActionId(ActionId(1, "first"));
    Switch second = first;
    second.setPressActionId(ActionId(2, "second"));
    Switch otherArea = first;
    otherArea.setTriggerAreaId("B");
    otherArea.setPressActionId(ActionId(3, "other area"));
    Switch shifted = makeSwitch("A", TriggerId(static_cast<unsigned char>('a'), 1));
    shifted.setPressActionId(ActionId(4, "shifted"));
    Switch silent = makeSwitch("A", TriggerId(static_cast<unsigned char>('a'), 0));
    silent.setPressActionId(ActionId());
    switches.addSwitch(first);
    switches.addSwitch(otherArea);
    switches.addSwitch(shifted);
    switches.addSwitch(silent);
    switches.addSwitch(second);

    Input::ScreenArea a("A");
    std::vector<ActionId> actions;
    switches.triggerArea(actions, &a, TriggerId(static_cast<unsigned char>('a'), 0), true);
    EXPECT_TRUE(actions.empty());
    switches.timePassed(actions, &a, 16);
    EXPECT_EQ("first+second", names(actions, 0));
    // The silent switch counted down all the same.
    EXPECT_EQ(0, switches.getSwitch(4)->getTimeUntilPress());
}

TEST(SwitchController, OnlyTheGivenAreaCountsDown)
{
    SwitchController switches;
    TriggerId dwell(TriggerId::DWELL);
    dwell.setTimes(100, 0, 0, 0);
    Switch inA = makeSwitch("A", dwell);
    inA.setPressActionId(ActionId(1, "A"));
    Switch inB = makeSwitch("B", dwell);
    inB.setPressActionId(ActionId(2, "B"));
    switches.addSwitch(inA);
    switches.addSwitch(inB);
    Input::ScreenArea a("A");
    Input::ScreenArea b("B");
    std::vector<ActionId> actions;
    // Entering B starts both dwell countdowns; time passing in A runs only A's.
    switches.enteredArea(actions, &b);
    switches.timePassed(actions, &a, 1000);
    EXPECT_EQ("A", names(actions, 0));
    EXPECT_EQ(100, switches.getSwitch(2)->getTimeUntilPress());
    switches.timePassed(actions, &b, 99);
    EXPECT_EQ(1, switches.getSwitch(2)->getTimeUntilPress());
    switches.timePassed(actions, &b, 1);
    EXPECT_EQ("A+B", names(actions, 0));
}

TEST(SwitchController, PositionsCountFromOne)
{
    SwitchController switches;
    EXPECT_EQ(nullptr, switches.getSwitch(0));
    EXPECT_EQ(nullptr, switches.getSwitch(1));
    EXPECT_FALSE(switches.deleteSwitch(1));
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(i, switches.addSwitch(makeSwitch("area" + std::to_string(i), TriggerId())));
    EXPECT_EQ(5, switches.addSwitch(makeSwitch("area5", TriggerId())));
    EXPECT_EQ("area5", switches.getSwitch(5)->getTriggerAreaId());
    EXPECT_EQ(nullptr, switches.getSwitch(6));
    EXPECT_FALSE(switches.deleteSwitch(6));
    EXPECT_FALSE(switches.deleteSwitch(0));
    EXPECT_TRUE(switches.deleteSwitch(2));
    EXPECT_EQ("area3", switches.getSwitch(2)->getTriggerAreaId());
    EXPECT_EQ(nullptr, switches.getSwitch(5));
    switches.clearSwitches();
    EXPECT_EQ(nullptr, switches.getSwitch(1));
}

TEST(SwitchController, GetSwitchesByAreaAndType)
{
    SwitchController switches;
    switches.addSwitch(makeSwitch("A", TriggerId(TriggerId::DWELL)));
    switches.addSwitch(makeSwitch("B", TriggerId(TriggerId::DWELL)));
    switches.addSwitch(makeSwitch("A", TriggerId(TriggerId::ENTERLEAVE)));
    Input::ScreenArea a("A");
    std::vector<Switch*> out;
    EXPECT_TRUE(switches.getSwitches(out, a, TriggerId::UNDEF));
    EXPECT_EQ(2u, out.size());
    out.clear();
    EXPECT_TRUE(switches.getSwitches(out, a, TriggerId::ENTERLEAVE));
    ASSERT_EQ(1u, out.size());
    EXPECT_EQ(switches.getSwitch(3), out[0]);
    out.clear();
    EXPECT_FALSE(switches.getSwitches(out, a, TriggerId::KEY));
    Input::ScreenArea lower("a");
    EXPECT_FALSE(switches.getSwitches(out, lower, TriggerId::UNDEF));
}

TEST(SwitchController, InitialCopiesShowTheStartOfEachCountdown)
{
    SwitchController switches;
    TriggerId trigger(static_cast<unsigned char>('a'), 0);
    trigger.setTimes(0, 0, 300, 0);
    switches.addSwitch(makeSwitch("A", trigger));
    Input::ScreenArea a("A");
    std::vector<ActionId> actions;
    switches.triggerArea(actions, &a, trigger, true);
    switches.timePassed(actions, &a, 1);
    const Switch* sw = switches.getSwitch(1);
    EXPECT_EQ(300, sw->getTimeUntilHold());
    EXPECT_EQ(300, sw->getInitialTimeUntilHold());
    switches.timePassed(actions, &a, 100);
    EXPECT_EQ(200, sw->getTimeUntilHold());
    EXPECT_EQ(300, sw->getInitialTimeUntilHold());
}

TEST(SwitchController, LongCountdownsAndStepsDoNotOverflow)
{
    SwitchController switches;
    TriggerId trigger(TriggerId::DWELL);
    const long longest = std::numeric_limits<long>::max();
    trigger.setTimes(longest, 0, 0, 0);
    switches.addSwitch(makeSwitch("A", trigger));
    Input::ScreenArea a("A");
    std::vector<ActionId> actions;
    switches.enteredArea(actions, &a);
    switches.timePassed(actions, &a, -5);
    EXPECT_EQ(longest, switches.getSwitch(1)->getTimeUntilPress());
    switches.timePassed(actions, &a, longest - 1);
    EXPECT_EQ(1, switches.getSwitch(1)->getTimeUntilPress());
    EXPECT_TRUE(actions.empty());
    switches.timePassed(actions, &a, longest);
    EXPECT_EQ("PRESS", names(actions, 0));
}
} // namespace
