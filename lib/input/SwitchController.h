#pragma once

#include <vector>

#include "input/ActionId.h"
#include "input/Switch.h"
#include "input/TriggerId.h"
#include "util/NonCopyable.h"

namespace Input
{
class I_ScreenArea;

// Every switch of one input context, in the order they were added; it owns them and advances their
// countdowns. Actions that fall due are appended to the caller's list; nothing is ever removed from it.
class SwitchController : private Util::NonCopyable<SwitchController>
{
public:
    SwitchController() = default;
    virtual ~SwitchController();

    // Adds a copy; returns the new number of switches, the copy's 1-based position.
    virtual int addSwitch(const Switch& sw);
    // Positions count from 1; false for 0 or past the end.
    virtual bool deleteSwitch(unsigned index);
    virtual Switch* getSwitch(unsigned index) const;

    virtual void timePassed(std::vector<ActionId>& actions, I_ScreenArea* area, long elapsedMs);
    virtual void leftArea(std::vector<ActionId>& actions, I_ScreenArea* area);
    virtual void enteredArea(std::vector<ActionId>& actions, I_ScreenArea* area);
    virtual void triggerArea(std::vector<ActionId>& actions, I_ScreenArea* area, const TriggerId& trigger,
                             bool pressed);

    // Appends the switches of the area (of the given type, or of every type for UNDEF) in list order;
    // true when out holds anything afterwards.
    virtual bool getSwitches(std::vector<Switch*>& out, const I_ScreenArea& area,
                             TriggerId::TriggerType type) const;
    virtual void clearSwitches();

private:
    std::vector<Switch*> switches;
};
} // namespace Input
