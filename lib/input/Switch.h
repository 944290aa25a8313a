#pragma once

#include <string>

#include "input/ActionId.h"
#include "input/TriggerId.h"

namespace Input
{
// One trigger in one named screen area, bound to press, release, hold and hold-release actions, with
// the countdowns that time them (game milliseconds; 0 = not running) and the colours in which the
// countdowns are shown (0xRRGGBBAA; 0 = not shown).
class Switch
{
public:
    Switch();
    virtual ~Switch() = default;

    Switch(const Switch&) = default;
    Switch& operator=(const Switch&) = default;

    const std::string& getTriggerAreaId() const { return triggerAreaId; }
    void setTriggerAreaId(const std::string& areaId) { triggerAreaId = areaId; }
    const TriggerId& getTriggerId() const { return triggerId; }
    void setTriggerId(const TriggerId& trigger) { triggerId = trigger; }

    const ActionId& getPressActionId() const { return pressActionId; }
    void setPressActionId(const ActionId& action) { pressActionId = action; }
    const ActionId& getReleaseActionId() const { return releaseActionId; }
    void setReleaseActionId(const ActionId& action) { releaseActionId = action; }
    const ActionId& getHoldPressActionId() const { return holdPressActionId; }
    void setHoldPressActionId(const ActionId& action) { holdPressActionId = action; }
    const ActionId& getHoldReleaseActionId() const { return holdReleaseActionId; }
    void setHoldReleaseActionId(const ActionId& action) { holdReleaseActionId = action; }

    unsigned long getRenderTUP() const { return renderTUP; }
    void setRenderTUP(unsigned long colour) { renderTUP = colour; }
    unsigned long getRenderTUH() const { return renderTUH; }
    void setRenderTUH(unsigned long colour) { renderTUH = colour; }
    unsigned long getRenderTUR() const { return renderTUR; }
    void setRenderTUR(unsigned long colour) { renderTUR = colour; }

    long getTimeUntilPress() const { return timeUntilPress; }
    long getTimeUntilHold() const { return timeUntilHold; }
    long getTimeUntilRelease() const { return timeUntilRelease; }
    long getInitialTimeUntilPress() const { return initialTimeUntilPress; }
    long getInitialTimeUntilHold() const { return initialTimeUntilHold; }
    long getInitialTimeUntilRelease() const { return initialTimeUntilRelease; }

    // With setInitial the value is also kept as the start of the countdown, for showing progress.
    void setTimeUntilPress(long value, bool setInitial);
    void setTimeUntilHold(long value, bool setInitial);
    void setTimeUntilRelease(long value, bool setInitial);

    bool isHeld() const { return held; }
    void isHeld(bool state) { held = state; }
    bool keepHeld() const { return keepHeldFlag; }
    void keepHeld(bool state) { keepHeldFlag = state; }

private:
    std::string triggerAreaId;
    TriggerId triggerId;
    ActionId pressActionId;
    ActionId releaseActionId;
    ActionId holdPressActionId;
    ActionId holdReleaseActionId;
    unsigned long renderTUP;
    unsigned long renderTUH;
    unsigned long renderTUR;
    long timeUntilPress;
    long timeUntilHold;
    long timeUntilRelease;
    long initialTimeUntilPress;
    long initialTimeUntilHold;
    long initialTimeUntilRelease;
    bool held;
    bool keepHeldFlag;
};
} // namespace Input
