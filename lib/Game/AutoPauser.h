#pragma once

#include <vector>

#include "events/I_EventConsumer.h"
#include "util/NonCopyable.h"

namespace Game
{
class EventTimer;

// Raises PAUSE after a time without activity; each event of the listed types restarts the countdown.
class AutoPauser : public EVT::I_EventConsumer, private Util::NonCopyable<AutoPauser>
{
public:
    // delay is in game milliseconds; nothing counts down until enable.
    AutoPauser(float delay, const std::vector<int>& kickEvents);
    ~AutoPauser() override;

    void handleEvent(EVT::I_Event* event) override;
    virtual void disable();
    // 0 means the stored delay; any other value replaces it.
    virtual void enable(float delay);

private:
    float delay;
    EventTimer* timer;
    std::vector<int> kickEvents;
};
} // namespace Game
