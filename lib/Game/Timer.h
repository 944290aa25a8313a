#pragma once

#include "Game/TimerBase.h"

namespace Game
{
// A timer that calls a member function of its owner, with itself, when it fires. The owner is not
// owned; it must not delete the timer from inside the call.
template <class T> class Timer : public TimerBase
{
public:
    using Callback = void (T::*)(Timer<T>*);

    Timer(T* owner, Callback callback) : owner(owner), callback(callback) {}

protected:
    void fire() override { (owner->*callback)(this); }

private:
    T* owner;
    Callback callback;
};
} // namespace Game
