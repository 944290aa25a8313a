#include "Game/TimerBase.h"

#include <algorithm>

#include "util/Singleton.h"

namespace Game
{
namespace
{
// The manager whose pass is running, if any. Plain data, so a timer destroyed after the manager (at
// process exit) can still ask it safely.
TimerBase::TimerManager* g_managerInPass = nullptr;

TimerBase::TimerManager& manager()
{
    return Util::Singleton<TimerBase::TimerManager>::instance();
}
} // namespace

TimerBase::TimerManager::TimerManager()
    : inPass(false), nextInPass(timers.end()), firing(nullptr), firingGone(false)
{
}

TimerBase::TimerManager::~TimerManager()
{
    for (TimerBase* timer : timers)
    {
        timer->timeUntilFire = 0.0f;
        timer->pauseCount = 0;
    }
    timers.clear();
}

void TimerBase::TimerManager::started(TimerBase* timer)
{
    if (std::find(timers.begin(), timers.end(), timer) != timers.end())
        return;
    if (timer->timeUntilFire == 0.0f)
        timer->timeUntilFire = 1.0f;
    timers.push_front(timer);
}

void TimerBase::TimerManager::stopped(TimerBase* timer)
{
    auto it = std::find(timers.begin(), timers.end(), timer);
    if (it == timers.end())
        return;
    // A pass in progress must not step onto a timer that has left the list.
    if (inPass && it == nextInPass)
        ++nextInPass;
    timers.erase(it);
    timer->timeUntilFire = 0.0f;
}

void TimerBase::TimerManager::destroyed(TimerBase* timer)
{
    TimerManager* passing = g_managerInPass;
    if (passing && passing->firing == timer)
        passing->firingGone = true;
}

void TimerBase::TimerManager::onUpdate(float elapsed)
{
    // A nested pass (from inside a fire) would disturb the one running; the timers have already been
    // given this frame's time.
    if (inPass)
        return;
    inPass = true;
    TimerManager* outer = g_managerInPass;
    g_managerInPass = this;

    auto it = timers.begin();
    while (it != timers.end())
    {
        TimerBase* timer = *it;
        nextInPass = std::next(it);

        if (timer->pauseCount == 0)
        {
            timer->timePassed += elapsed;
            if (timer->timeUntilFire > elapsed)
            {
                timer->timeUntilFire -= elapsed;
            }
            else
            {
                timer->timeUntilFire = timer->repeatDelay;
                if (timer->repeatDelay == 0.0f)
                {
                    timers.erase(it);
                }
                firing = timer;
                firingGone = false;
                timer->fire();
                if (!firingGone)
                    timer->timePassed = 0.0f;
                firing = nullptr;
            }
        }
        it = nextInPass;
    }

    nextInPass = timers.end();
    g_managerInPass = outer;
    inPass = false;
}

void TimerBase::TimerManager::setPause(bool paused)
{
    for (TimerBase* timer : timers)
    {
        if (paused)
            timer->pause();
        else
            timer->resume(false);
    }
}

TimerBase::TimerBase() : timeUntilFire(0.0f), repeatDelay(0.0f), timePassed(0.0f), pauseCount(0) {}

TimerBase::~TimerBase()
{
    if (isActive())
        stop();
    TimerManager::destroyed(this);
}

void TimerBase::start(float delay, float repeat)
{
    timePassed = 0.0f;
    if (delay == 0.0f)
        return;
    bool wasActive = isActive();
    repeatDelay = repeat;
    timeUntilFire = delay;
    pauseCount = 0;
    if (!wasActive)
        manager().started(this);
}

void TimerBase::stop()
{
    if (!isActive())
        return;
    pauseCount = 0;
    manager().stopped(this);
    timeUntilFire = 0.0f;
}

int TimerBase::pause()
{
    if (isActive())
        ++pauseCount;
    return pauseCount;
}

int TimerBase::resume(bool all)
{
    if (pauseCount != 0)
        pauseCount = all ? 0 : pauseCount - 1;
    return pauseCount;
}

void TimerBase::setPause(bool paused)
{
    manager().setPause(paused);
}

void TimerBase::onUpdate(float elapsed)
{
    manager().onUpdate(elapsed);
}
} // namespace Game
