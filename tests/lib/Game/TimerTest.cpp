#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Game/FlagTimer.h"
#include "Game/Timer.h"
#include "Game/TimerBase.h"

namespace
{
// A timer that counts its firings and runs an optional action inside fire().
class CountingTimer : public Game::TimerBase
{
public:
    int fired = 0;
    std::function<void()> onFire;

protected:
    void fire() override
    {
        ++fired;
        if (onFire)
            onFire();
    }
};

void pass(float elapsed)
{
    Game::TimerBase::onUpdate(elapsed);
}
} // namespace

TEST(Timer, FiresWhenTheRemainderIsReachedAndDropsOvershoot)
{
    struct Case
    {
        const char* what;
        float delay;
        float repeat;
        std::vector<float> passes;
        std::vector<int> firedAfterEach;
        float remainingAtEnd;
        bool activeAtEnd;
    };
    const std::vector<Case> cases = {
        {"one-shot fires in the fourth pass", 100, 0, {30, 30, 30, 30}, {0, 0, 0, 1}, 0, false},
        {"exact zero fires", 60, 0, {30, 30}, {0, 1}, 0, false},
        {"overshoot is dropped", 100, 50, {130, 49, 1}, {1, 1, 2}, 50, true},
        {"one firing per pass however long", 100, 50, {1000}, {1}, 50, true},
        {"a negative delay fires in the next pass", -5, 0, {0.001f}, {1}, 0, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        CountingTimer timer;
        timer.start(c.delay, c.repeat);
        for (size_t i = 0; i < c.passes.size(); ++i)
        {
            pass(c.passes[i]);
            EXPECT_EQ(timer.fired, c.firedAfterEach[i]) << "after pass " << i;
        }
        EXPECT_FLOAT_EQ(timer.getTimeUntilFire(), c.remainingAtEnd);
        EXPECT_EQ(timer.isActive(), c.activeAtEnd);
    }
}

TEST(Timer, TimePassedCountsAndIsResetByFiringAndStart)
{
    CountingTimer timer;
    timer.start(100, 0);
    pass(30);
    pass(30);
    EXPECT_FLOAT_EQ(timer.getTimePassed(), 60);
    pass(50);
    EXPECT_EQ(timer.fired, 1);
    EXPECT_FLOAT_EQ(timer.getTimePassed(), 0);

    timer.start(100, 0);
    pass(40);
    timer.start(0, 50); // only the time passed is reset
    EXPECT_FLOAT_EQ(timer.getTimePassed(), 0);
    EXPECT_FLOAT_EQ(timer.getTimeUntilFire(), 60);
    EXPECT_FLOAT_EQ(timer.getRepeatDelay(), 0);
    EXPECT_TRUE(timer.isActive());
}

TEST(Timer, StartWithZeroDelayLeavesAStoppedTimerStopped)
{
    CountingTimer timer;
    timer.start(0, 50);
    EXPECT_FALSE(timer.isActive());
    EXPECT_FLOAT_EQ(timer.getRepeatDelay(), 0);
    pass(1000);
    EXPECT_EQ(timer.fired, 0);
}

TEST(Timer, TheMostRecentlyStartedFiresFirst)
{
    std::vector<std::string> order;
    CountingTimer first;
    CountingTimer second;
    first.onFire = [&] { order.push_back("first"); };
    second.onFire = [&] { order.push_back("second"); };
    first.start(10, 0);
    second.start(10, 0);
    first.start(10, 0); // restarting an active timer keeps its place
    pass(10);
    EXPECT_EQ(order, (std::vector<std::string>{"second", "first"}));
}

TEST(Timer, PauseCountingAndStaticPauseResume)
{
    CountingTimer running;
    CountingTimer stopped;
    running.start(100, 0);

    EXPECT_EQ(stopped.pause(), 0); // a stopped timer is never paused
    EXPECT_EQ(stopped.resume(false), 0);

    Game::TimerBase::setPause(true);
    Game::TimerBase::setPause(true);
    Game::TimerBase::setPause(false);
    EXPECT_EQ(running.isPaused(), 1);
    pass(1000);
    EXPECT_EQ(running.fired, 0);
    EXPECT_FLOAT_EQ(running.getTimePassed(), 0);
    EXPECT_FLOAT_EQ(running.getTimeUntilFire(), 100);

    Game::TimerBase::setPause(false);
    Game::TimerBase::setPause(false); // not below 0
    EXPECT_EQ(running.isPaused(), 0);
    pass(100);
    EXPECT_EQ(running.fired, 1);

    running.start(100, 0);
    running.pause();
    running.pause();
    EXPECT_EQ(running.resume(true), 0);
    running.pause();
    running.start(100, 0); // start clears the pause count
    EXPECT_EQ(running.isPaused(), 0);
    running.pause();
    running.stop(); // so does stop
    EXPECT_EQ(running.isPaused(), 0);
}

TEST(Timer, FireMayStopOrRestartItsOwnTimer)
{
    CountingTimer repeating;
    repeating.onFire = [&] { repeating.stop(); };
    repeating.start(10, 10);
    pass(10);
    EXPECT_FALSE(repeating.isActive());
    pass(10);
    EXPECT_EQ(repeating.fired, 1);

    CountingTimer oneShot;
    oneShot.onFire = [&]
    {
        if (oneShot.fired == 1)
            oneShot.start(20, 0);
    };
    oneShot.start(10, 0);
    pass(15);
    EXPECT_TRUE(oneShot.isActive());
    EXPECT_FLOAT_EQ(oneShot.getTimeUntilFire(), 20);
    EXPECT_FLOAT_EQ(oneShot.getTimePassed(), 0);
    pass(20);
    EXPECT_EQ(oneShot.fired, 2);
    EXPECT_FALSE(oneShot.isActive());
}

TEST(Timer, TimerStartedDuringAPassWaitsForTheNextPass)
{
    CountingTimer late;
    CountingTimer starter;
    starter.onFire = [&] { late.start(5, 0); };
    starter.start(10, 0);
    pass(10);
    EXPECT_EQ(late.fired, 0);
    EXPECT_FLOAT_EQ(late.getTimeUntilFire(), 5);
    pass(5);
    EXPECT_EQ(late.fired, 1);
}

TEST(Timer, TimerStoppedOrDeletedDuringAPassIsNeverTouchedAgain)
{
    // The victim comes right after the firing timer in the list, the case where a pass that noted
    // the next timer before firing would step onto it.
    {
        CountingTimer victim;
        CountingTimer stopper;
        victim.start(10, 0);
        stopper.onFire = [&] { victim.stop(); };
        stopper.start(10, 0);
        pass(10);
        EXPECT_EQ(victim.fired, 0);
        EXPECT_FALSE(victim.isActive());
        EXPECT_FLOAT_EQ(victim.getTimePassed(), 0);
    }
    {
        auto victim = std::make_unique<CountingTimer>();
        CountingTimer after;
        CountingTimer deleter;
        after.start(10, 0);
        victim->start(10, 0);
        deleter.onFire = [&] { victim.reset(); };
        deleter.start(10, 0);
        pass(10); // under the address sanitizer a touch of the deleted timer fails here
        EXPECT_EQ(after.fired, 1);
    }
    {
        // Stopped, then started again from inactive within the same pass: it goes to the front and
        // waits for the next pass.
        CountingTimer victim;
        CountingTimer restarter;
        victim.start(10, 0);
        restarter.onFire = [&]
        {
            victim.stop();
            victim.start(30, 0);
        };
        restarter.start(10, 0);
        pass(10);
        EXPECT_EQ(victim.fired, 0);
        EXPECT_FLOAT_EQ(victim.getTimeUntilFire(), 30);
    }
}

namespace
{
// Deletes itself, through the pointer that owns it, when it fires.
class SelfDeletingTimer : public Game::TimerBase
{
public:
    explicit SelfDeletingTimer(std::unique_ptr<SelfDeletingTimer>& holder) : holder(holder) {}

protected:
    void fire() override { holder.reset(); }

private:
    std::unique_ptr<SelfDeletingTimer>& holder;
};
} // namespace

TEST(Timer, ATimerMayDeleteItselfInsideFire)
{
    for (float repeat : {0.0f, 10.0f})
    {
        SCOPED_TRACE(repeat);
        CountingTimer after;
        after.start(10, 0);
        std::unique_ptr<SelfDeletingTimer> timer;
        timer.reset(new SelfDeletingTimer(timer));
        timer->start(10, repeat);
        pass(10); // under the address sanitizer a touch of the deleted timer fails here
        EXPECT_EQ(timer, nullptr);
        EXPECT_EQ(after.fired, 1);
    }
}

TEST(Timer, APassStartedFromInsideAFiringDoesNothing)
{
    // The timers have had this frame's time; a second pass from inside the first would count them
    // down twice and lose the first pass's place in the list.
    CountingTimer after;
    CountingTimer nesting;
    after.start(10, 0);
    nesting.onFire = [] { pass(1000); };
    nesting.start(10, 0);
    pass(10);
    EXPECT_EQ(nesting.fired, 1);
    EXPECT_EQ(after.fired, 1);
    EXPECT_FLOAT_EQ(after.getTimePassed(), 0);
}

TEST(Timer, DestructionTakesARunningTimerOffTheList)
{
    CountingTimer survivor;
    survivor.start(10, 0);
    {
        CountingTimer gone;
        gone.start(10, 0);
    }
    pass(10); // would touch the destroyed timer if it were still listed
    EXPECT_EQ(survivor.fired, 1);
}

TEST(Timer, FlagTimerSetsItsFlag)
{
    Game::FlagTimer timer;
    EXPECT_FALSE(timer.flag);
    timer.start(10, 0);
    pass(5);
    EXPECT_FALSE(timer.flag);
    pass(5);
    EXPECT_TRUE(timer.flag);
}

namespace
{
struct CallbackOwner
{
    virtual ~CallbackOwner() = default;
    virtual void fired(Game::Timer<CallbackOwner>* timer) { seen.push_back(timer); }
    std::vector<Game::Timer<CallbackOwner>*> seen;
};
struct DerivedOwner : CallbackOwner
{
    void fired(Game::Timer<CallbackOwner>* timer) override
    {
        CallbackOwner::fired(timer);
        derived = true;
    }
    bool derived = false;
};
} // namespace

TEST(Timer, MemberTimerCallsItsOwnerWithItself)
{
    DerivedOwner owner;
    Game::Timer<CallbackOwner> timer(&owner, &CallbackOwner::fired);
    timer.start(10, 10);
    pass(10);
    pass(10);
    ASSERT_EQ(owner.seen.size(), 2u);
    EXPECT_EQ(owner.seen[0], &timer);
    EXPECT_TRUE(owner.derived); // a virtual member is called virtually
}
