#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Game/LogicController.h"

namespace
{
using Log = std::vector<std::string>;

// A state that answers a scripted outcome and writes every call into a shared log.
class ScriptedState : public Game::I_LogicState
{
public:
    ScriptedState(const std::string& name, Log& log, std::string answer = "")
        : name(name), log(log), answer(std::move(answer))
    {
    }
    ~ScriptedState() override { log.push_back(name + ".delete"); }

    void setPause(bool paused) override { log.push_back(name + ".pause(" + (paused ? "1" : "0") + ")"); }
    void onEnter(const std::string& from, const std::string& outcome) override
    {
        log.push_back(name + ".enter(" + from + "," + outcome + ")");
    }
    std::string onUpdate(float) override
    {
        log.push_back(name + ".update");
        return answer;
    }
    void doExit(const std::string&) override { log.push_back(name + ".exit"); }

    std::string name;
    Log& log;
    std::string answer;
};

Game::LogicController::Transitions none;
} // namespace

TEST(LogicController, FirstUpdateEntersAndUpdatesThenMovesOnInOrderWithWrap)
{
    Log log;
    Game::LogicController machine;
    machine.add("P", new ScriptedState("P", log, "DONE"), none);
    machine.add("Q", new ScriptedState("Q", log, "DONE"), none);
    machine.add("R", new ScriptedState("R", log, "DONE"), none);

    machine.onUpdate(10.0f);
    EXPECT_EQ(log, (Log{"P.enter(,)", "P.update", "Q.enter(P,*)"}));
    log.clear();
    machine.onUpdate(10.0f);
    EXPECT_EQ(log, (Log{"Q.update", "R.enter(Q,*)"}));
    log.clear();
    machine.onUpdate(10.0f);
    EXPECT_EQ(log, (Log{"R.update", "P.enter(R,*)"}));
}

TEST(LogicController, OutcomesChooseTheirPairThenStarThenTheNextState)
{
    struct Case
    {
        const char* what;
        Game::LogicController::Transitions transitions;
        std::string outcome;
        std::string entered;
    };
    const std::vector<Case> cases = {
        {"named pair", {{"X", "Q"}, {"*", "R"}}, "X", "Q.enter(P,X)"},
        {"star catches the rest", {{"X", "Q"}, {"*", "R"}}, "Y", "R.enter(P,*)"},
        {"no pair: next in order", {{"X", "R"}}, "Y", "Q.enter(P,*)"},
        {"pair to an unknown state: next in order, own outcome", {{"X", "NOWHERE"}}, "X", "Q.enter(P,X)"},
        {"comparison is exact", {{"x", "R"}}, "X", "Q.enter(P,*)"},
        {"first matching pair wins", {{"X", "R"}, {"X", "Q"}}, "X", "R.enter(P,X)"},
        {"a pair may lead back to the state itself", {{"X", "P"}}, "X", "P.enter(P,X)"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        Log log;
        Game::LogicController machine;
        machine.add("P", new ScriptedState("P", log, c.outcome), c.transitions);
        machine.add("Q", new ScriptedState("Q", log), none);
        machine.add("R", new ScriptedState("R", log), none);
        machine.onUpdate(1.0f);
        ASSERT_EQ(log.size(), 3u);
        EXPECT_EQ(log[2], c.entered);
    }
}

TEST(LogicController, EmptyOutcomeStaysAndTheEnteredStateIsUpdatedOnlyNextTime)
{
    Log log;
    Game::LogicController machine;
    auto* p = new ScriptedState("P", log, "");
    machine.add("P", p, none);
    machine.add("Q", new ScriptedState("Q", log, ""), none);

    machine.onUpdate(1.0f);
    machine.onUpdate(1.0f);
    EXPECT_EQ(log, (Log{"P.enter(,)", "P.update", "P.update"}));

    log.clear();
    p->answer = "GO";
    machine.onUpdate(1.0f);
    machine.onUpdate(1.0f);
    EXPECT_EQ(log, (Log{"P.update", "Q.enter(P,*)", "Q.update"}));
}

TEST(LogicController, SingleStateReentersItself)
{
    Log log;
    Game::LogicController machine;
    machine.add("ONLY", new ScriptedState("ONLY", log, "AGAIN"), none);
    machine.onUpdate(1.0f);
    EXPECT_EQ(log, (Log{"ONLY.enter(,)", "ONLY.update", "ONLY.enter(ONLY,*)"}));
}

TEST(LogicController, PauseReachesOnlyTheCurrentState)
{
    Log log;
    Game::LogicController machine;
    machine.setPause(true); // nothing added yet
    machine.onUpdate(1.0f); // nothing added yet
    machine.add("P", new ScriptedState("P", log, "DONE"), none);
    machine.add("Q", new ScriptedState("Q", log), none);

    machine.setPause(true); // not started
    EXPECT_TRUE(log.empty());
    machine.onUpdate(1.0f);
    log.clear();
    machine.setPause(true);
    machine.setPause(false);
    EXPECT_EQ(log, (Log{"Q.pause(1)", "Q.pause(0)"}));
}

TEST(LogicController, PauseFromInsideOnEnterGoesToTheStateBeingLeft)
{
    Log log;
    Game::LogicController machine;

    class PausingOnEnter : public ScriptedState
    {
    public:
        PausingOnEnter(Log& log, Game::LogicController& machine) : ScriptedState("Q", log), machine(machine)
        {
        }
        void onEnter(const std::string& from, const std::string& outcome) override
        {
            ScriptedState::onEnter(from, outcome);
            machine.setPause(true);
        }
        Game::LogicController& machine;
    };

    machine.add("P", new ScriptedState("P", log, "DONE"), none);
    machine.add("Q", new PausingOnEnter(log, machine), none);
    machine.onUpdate(1.0f);
    EXPECT_EQ(log, (Log{"P.enter(,)", "P.update", "Q.enter(P,*)", "P.pause(1)"}));
}

TEST(LogicController, GetStateFindsTheFirstOfAName)
{
    Log log;
    Game::LogicController machine;
    auto* first = new ScriptedState("A1", log);
    machine.add("A", first, none);
    machine.add("A", new ScriptedState("A2", log), none);
    EXPECT_EQ(machine.getState("A"), first);
    EXPECT_EQ(machine.getState("B"), nullptr);
}

TEST(LogicController, DestructionDeletesStatesLastFirstWithoutExitOrPause)
{
    Log log;
    {
        Game::LogicController machine;
        machine.add("P", new ScriptedState("P", log, "DONE"), none);
        machine.add("Q", new ScriptedState("Q", log), none);
        machine.add("R", new ScriptedState("R", log), none);
        machine.onUpdate(1.0f);
        log.clear();
    }
    EXPECT_EQ(log, (Log{"R.delete", "Q.delete", "P.delete"}));
}

TEST(LogicControllerDeathTest, NullStateIsRefused)
{
    Game::LogicController machine;
    EXPECT_DEATH(machine.add("P", nullptr, none), "Null logic state added under the name P");
}
