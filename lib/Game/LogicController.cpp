#include "Game/LogicController.h"

#include "util/Debug.h"

namespace Game
{
LogicController::LogicController() : current(-1) {}

LogicController::~LogicController()
{
    for (auto it = states.rbegin(); it != states.rend(); ++it)
        delete it->state;
    states.clear();
}

void LogicController::add(const std::string& name, I_LogicState* state, const Transitions& transitions)
{
    if (!state)
        ABORT("Null logic state added under the name " << name);
    states.push_back(Info{name, state, transitions});
}

void LogicController::setPause(bool paused)
{
    if (current >= 0)
        states[current].state->setPause(paused);
}

void LogicController::onUpdate(float elapsed)
{
    if (states.empty())
        return;
    if (current < 0)
    {
        current = 0;
        states[0].state->onEnter("", "");
    }

    std::string outcome = states[current].state->onUpdate(elapsed);
    if (outcome.empty())
        return;

    const Transitions& transitions = states[current].transitions;
    const std::pair<std::string, std::string>* pair = nullptr;
    for (const auto& candidate : transitions)
    {
        if (candidate.first == outcome)
        {
            pair = &candidate;
            break;
        }
    }
    if (!pair)
    {
        outcome = "*";
        for (const auto& candidate : transitions)
        {
            if (candidate.first == outcome)
            {
                pair = &candidate;
                break;
            }
        }
    }

    int target = pair ? findState(pair->second) : -1;
    if (target < 0)
        target = current + 1 < static_cast<int>(states.size()) ? current + 1 : 0;

    // The current state stays current until the new one's onEnter has returned, so anything reached
    // from inside that onEnter (a PAUSE, say) still goes to the state being left.
    states[target].state->onEnter(states[current].name, outcome);
    current = target;
}

I_LogicState* LogicController::getState(const std::string& name) const
{
    int index = findState(name);
    return index < 0 ? nullptr : states[index].state;
}

int LogicController::findState(const std::string& name) const
{
    for (size_t i = 0; i < states.size(); ++i)
    {
        if (states[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}
} // namespace Game
