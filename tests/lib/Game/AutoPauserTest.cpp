#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Game/AutoPauser.h"
#include "Game/EventTimer.h"
#include "Game/GameManager.h"
#include "Game/TimerBase.h"
#include "events/EventBus.h"
#include "events/EventTypes.h"
#include "events/Event_Update.h"
#include "support/RecordingConsumer.h"

namespace
{
using Counter = Testing::RecordingConsumer;

void pass(float elapsed)
{
    Game::TimerBase::onUpdate(elapsed);
}

void kick(int type)
{
    EVT::EventBus::instance().raiseEvent(type, false);
}
} // namespace

TEST(AutoPauser, PausesAfterTheDelayWithoutActivity)
{
    Counter pauses({EVT::EVENT_PAUSE});
    Game::AutoPauser pauser(5000, {30, 31, 32, 33, 34});

    pass(10000);
    EXPECT_EQ(pauses.count(), 0); // nothing runs before enable

    pauser.enable(0);
    pass(4000);
    kick(31); // restarts the full delay
    pass(4999);
    EXPECT_EQ(pauses.count(), 0);
    pass(1);
    EXPECT_EQ(pauses.count(), 1);
    pass(10000);
    EXPECT_EQ(pauses.count(), 1); // one firing, then stopped until the next activity

    kick(EVT::EVENT_MUSIC); // not an activity event
    pass(5000);
    EXPECT_EQ(pauses.count(), 1);

    kick(34);
    pauser.disable();
    pass(5000);
    EXPECT_EQ(pauses.count(), 1);
    kick(30); // activity enables it again
    pass(5000);
    EXPECT_EQ(pauses.count(), 2);
}

TEST(AutoPauser, ZeroDelayNeverStartsAndAGivenDelayReplacesTheStoredOne)
{
    Counter pauses({EVT::EVENT_PAUSE});
    Game::AutoPauser pauser(0, {30});
    pauser.enable(0);
    kick(30);
    pass(1e9f);
    EXPECT_EQ(pauses.count(), 0);

    pauser.enable(300);
    pass(300);
    EXPECT_EQ(pauses.count(), 1);
    kick(30); // the stored delay is now 300
    pass(300);
    EXPECT_EQ(pauses.count(), 2);
}

TEST(AutoPauser, EnableRestartsAPausedCountdown)
{
    Counter pauses({EVT::EVENT_PAUSE});
    Game::AutoPauser pauser(100, {30});
    pauser.enable(0);
    Game::TimerBase::setPause(true);
    pass(1000);
    EXPECT_EQ(pauses.count(), 0);
    kick(30); // a fresh countdown is not paused
    pass(100);
    EXPECT_EQ(pauses.count(), 1);
    Game::TimerBase::setPause(false);
}

TEST(AutoPauser, DestructionLeavesTheBusAndTheTimerList)
{
    Counter pauses({EVT::EVENT_PAUSE});
    {
        Game::AutoPauser pauser(100, {30});
        pauser.enable(0);
    }
    kick(30);
    pass(1000);
    EXPECT_EQ(pauses.count(), 0);
}

TEST(EventTimer, SetsItsFlagAndRaisesItsEventAtOnce)
{
    Counter events({77});
    Game::EventTimer timer(77);
    bool raisedInsidePass = false;

    class Probe : public Game::TimerBase
    {
    public:
        Probe(Counter& counter, bool& seen) : counter(counter), seen(seen) {}
        Counter& counter;
        bool& seen;

    protected:
        void fire() override { seen = counter.count() == 1; }
    } probe(events, raisedInsidePass);

    // Started first, so it fires after the event timer in the same pass.
    probe.start(10, 0);
    timer.start(10, 0);
    pass(10);
    EXPECT_TRUE(timer.flag);
    EXPECT_EQ(events.count(), 1);
    EXPECT_TRUE(raisedInsidePass);
}

TEST(AutoPauser, APauseRaisedInAPassPausesTheTimersStillToCome)
{
    Game::GameManager manager(0, 0); // turns PAUSE into a pause of every timer

    class Counting : public Game::TimerBase
    {
    public:
        int fired = 0;

    protected:
        void fire() override { ++fired; }
    } later;
    later.start(100, 0);

    Game::AutoPauser pauser(100, {30});
    pauser.enable(0); // started after, so it comes first in the pass
    EVT::Event_Update update(EVT::EVENT_UPDATE, 100);
    EVT::EventBus::instance().raiseEvent(&update, false);

    EXPECT_EQ(later.fired, 0);
    EXPECT_EQ(later.isPaused(), 1);
    EXPECT_FLOAT_EQ(later.getTimeUntilFire(), 100);
    Game::TimerBase::setPause(false);
}
