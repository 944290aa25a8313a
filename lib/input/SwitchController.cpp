#include "input/SwitchController.h"

#include "input/I_ScreenArea.h"

namespace Input
{
namespace
{
void queue(std::vector<ActionId>& actions, const ActionId& action)
{
    if (action.getId() != 0)
        actions.push_back(action);
}

// Whether a running countdown runs out in a step of elapsedMs; otherwise it takes what is left.
// Compared before subtracting so that no countdown value can overflow.
bool countDown(long countdown, long elapsedMs, long& left)
{
    if (countdown <= elapsedMs)
        return true;
    left = countdown - elapsedMs;
    return false;
}
} // namespace

SwitchController::~SwitchController()
{
    clearSwitches();
}

int SwitchController::addSwitch(const Switch& sw)
{
    switches.push_back(new Switch(sw));
    return static_cast<int>(switches.size());
}

bool SwitchController::deleteSwitch(unsigned index)
{
    if (index == 0 || index > switches.size())
        return false;
    Switch* victim = switches[index - 1];
    switches.erase(switches.begin() + (index - 1));
    delete victim;
    return true;
}

Switch* SwitchController::getSwitch(unsigned index) const
{
    if (index == 0 || index > switches.size())
        return nullptr;
    return switches[index - 1];
}

bool SwitchController::getSwitches(std::vector<Switch*>& out, const I_ScreenArea& area,
                                   TriggerId::TriggerType type) const
{
    for (Switch* sw : switches)
        if (sw->getTriggerAreaId() == area.name &&
            (type == TriggerId::UNDEF || sw->getTriggerId().getType() == type))
            out.push_back(sw);
    return !out.empty();
}

void SwitchController::triggerArea(std::vector<ActionId>&, I_ScreenArea* area, const TriggerId& trigger,
                                   bool pressed)
{
    std::vector<Switch*> candidates;
    getSwitches(candidates, *area, trigger.getType());
    for (Switch* sw : candidates)
    {
        if (!(sw->getTriggerId() == trigger))
            continue;
        sw->setTimeUntilHold(0, true);
        if (pressed)
        {
            sw->setTimeUntilPress(1, true);
            sw->setTimeUntilRelease(0, true);
        }
        else
        {
            // A release replaces a press that has not fired yet.
            sw->setTimeUntilPress(0, true);
            sw->setTimeUntilRelease(1, true);
            sw->keepHeld(false);
        }
    }
}

void SwitchController::enteredArea(std::vector<ActionId>& actions, I_ScreenArea* area)
{
    // Every switch starts afresh, those of other areas included, so nothing carries over from the area
    // that was left.
    for (Switch* sw : switches)
    {
        const bool dwell = sw->getTriggerId().getType() == TriggerId::DWELL;
        sw->setTimeUntilPress(dwell ? sw->getTriggerId().getFirstPressMSecs() : 0, true);
        sw->setTimeUntilHold(0, true);
        sw->setTimeUntilRelease(0, true);
        sw->isHeld(false);
        sw->keepHeld(false);
    }
    std::vector<Switch*> enterLeave;
    getSwitches(enterLeave, *area, TriggerId::ENTERLEAVE);
    for (Switch* sw : enterLeave)
        queue(actions, sw->getPressActionId());
}

void SwitchController::leftArea(std::vector<ActionId>& actions, I_ScreenArea* area)
{
    std::vector<Switch*> enterLeave;
    getSwitches(enterLeave, *area, TriggerId::ENTERLEAVE);
    for (Switch* sw : enterLeave)
        queue(actions, sw->getReleaseActionId());
}

void SwitchController::timePassed(std::vector<ActionId>& actions, I_ScreenArea* area, long elapsedMs)
{
    // Time does not run backwards; a negative step would only stretch the countdowns.
    if (elapsedMs < 0)
        elapsedMs = 0;
    std::vector<Switch*> own;
    getSwitches(own, *area, TriggerId::UNDEF);
    for (Switch* sw : own)
    {
        const TriggerId& trigger = sw->getTriggerId();
        long left = 0;
        if (sw->getTimeUntilPress() != 0)
        {
            if (!countDown(sw->getTimeUntilPress(), elapsedMs, left))
            {
                sw->setTimeUntilPress(left, false);
                continue;
            }
            queue(actions, sw->getPressActionId());
            sw->setTimeUntilHold(trigger.getHoldDelayMSecs(), true);
            sw->setTimeUntilPress(sw->getTimeUntilHold() != 0 ? 0 : trigger.getRepeatPressMSecs(), true);
        }
        else if (sw->getTimeUntilHold() != 0)
        {
            if (!countDown(sw->getTimeUntilHold(), elapsedMs, left))
            {
                sw->setTimeUntilHold(left, false);
                continue;
            }
            queue(actions, sw->getHoldPressActionId());
            sw->isHeld(true);
            sw->keepHeld(true);
            sw->setTimeUntilRelease(trigger.getRepeatHoldMSecs(), true);
            sw->setTimeUntilHold(0, true);
        }
        else if (sw->getTimeUntilRelease() != 0)
        {
            if (!countDown(sw->getTimeUntilRelease(), elapsedMs, left))
            {
                sw->setTimeUntilRelease(left, false);
                continue;
            }
            sw->setTimeUntilRelease(0, true);
            if (sw->isHeld())
            {
                queue(actions, sw->getHoldReleaseActionId());
                if (sw->keepHeld())
                    sw->setTimeUntilHold(trigger.getRepeatHoldMSecs(), true);
                else
                {
                    sw->isHeld(false);
                    sw->setTimeUntilPress(trigger.getRepeatPressMSecs(), true);
                }
            }
            else
                queue(actions, sw->getReleaseActionId());
        }
    }
}

void SwitchController::clearSwitches()
{
    for (Switch* sw : switches)
        delete sw;
    switches.clear();
}
} // namespace Input
