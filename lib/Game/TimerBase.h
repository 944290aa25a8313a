#pragma once

#include <list>

#include "util/NonCopyable.h"

namespace Game
{
// A countdown in game milliseconds with a first delay and a repeat interval; fire() is called when it
// runs out. Running timers are kept in the process-wide timer manager, which the game manager advances
// once per UPDATE and pauses and resumes on PAUSE and RESUME.
class TimerBase : public Util::NonCopyable<TimerBase>
{
public:
    // The list of running timers, most recently started first.
    class TimerManager
    {
    public:
        TimerManager();
        // Stops every timer still listed; the timers themselves belong to their owners.
        virtual ~TimerManager();

        void started(TimerBase* timer);
        void stopped(TimerBase* timer);
        void onUpdate(float elapsed);
        void setPause(bool paused);

        // The destructor of a timer tells the manager, so that a pass in progress never touches it.
        static void destroyed(TimerBase* timer);

    private:
        std::list<TimerBase*> timers;
        // The pass in progress: the timer after the one being handled, and the one being fired.
        bool inPass;
        std::list<TimerBase*>::iterator nextInPass;
        TimerBase* firing;
        bool firingGone;
    };

    TimerBase();
    virtual ~TimerBase();

    // A delay of 0 only resets the time passed; otherwise the countdown starts over and is unpaused.
    void start(float delay, float repeat);
    void stop();
    int pause();
    // all: clears every pause at once; otherwise takes one away.
    int resume(bool all);

    bool isActive() const { return timeUntilFire != 0.0f; }
    int isPaused() const { return pauseCount; }
    float getTimeUntilFire() const { return timeUntilFire; }
    float getRepeatDelay() const { return repeatDelay; }
    float getTimePassed() const { return timePassed; }

    static void setPause(bool paused);
    static void onUpdate(float elapsed);

protected:
    virtual void fire() = 0;

private:
    float timeUntilFire;
    float repeatDelay;
    float timePassed;
    int pauseCount;
};
} // namespace Game
