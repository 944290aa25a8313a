#pragma once

#include <string>
#include <utility>
#include <vector>

#include "Game/I_LogicController.h"
#include "Game/I_LogicState.h"
#include "util/NonCopyable.h"

namespace Game
{
// Named states in order of addition, each with its (outcome, target state name) pairs. An outcome
// with no pair falls back to the "*" pair, then to the next state in order (wrapping to the first).
class LogicController : public I_LogicController, private Util::NonCopyable<LogicController>
{
public:
    using Transitions = std::vector<std::pair<std::string, std::string>>;

    struct Info
    {
        std::string name;
        I_LogicState* state;
        Transitions transitions;
    };

    LogicController();
    // Deletes the states, last added first.
    ~LogicController() override;

    // Takes ownership of state, which must not be null; the transitions are copied.
    void add(const std::string& name, I_LogicState* state, const Transitions& transitions);

    void setPause(bool paused) override;
    void onUpdate(float elapsed) override;
    // The first state added under name, or null.
    virtual I_LogicState* getState(const std::string& name) const;

private:
    int findState(const std::string& name) const;

    std::vector<Info> states;
    int current;
};
} // namespace Game
