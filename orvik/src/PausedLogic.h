#pragma once

#include <string>

#include "Game/I_LogicState.h"
#include "events/I_EventConsumer.h"

namespace Game
{
class GameManager;
} // namespace Game

namespace Menu
{
class MenuController;
class MenuPage;
struct CallBackInfo;
} // namespace Menu

namespace Orvik
{
class MenuView;

// The pause menu: one page with quit (item 0) and resume (item 1), built on every entry and shown by a
// menu view whose "MENU" input controller drives it. A choice answers "QUIT" or the state the pause came
// from at the next update, after the menu has been taken down and the game resumed.
//
// Every PAUSE that arrives while the game is already paused (two pause bindings in one frame, or the
// auto-pauser running out under the menu) deepens the timers' pause, so the state counts the PAUSEs not
// yet answered and leaving the menu answers each of them with a RESUME.
class PausedLogic : public Game::I_LogicState, public EVT::I_EventConsumer
{
public:
    static const std::string STATE_QUIT;

    explicit PausedLogic(Game::GameManager* gameManager);
    ~PausedLogic() override;
    PausedLogic(const PausedLogic&) = delete;
    PausedLogic& operator=(const PausedLogic&) = delete;

    void setPause(bool) override {}
    void onEnter(const std::string& from, const std::string& outcome) override;
    std::string onUpdate(float elapsed) override;
    // "DELETED" (from the destructor) takes the menu down without resuming the game.
    void doExit(const std::string& reason) override;
    // Only records the outcome: it runs inside the menu's own event delivery.
    virtual void menuChoice(const Menu::CallBackInfo& info);

    void handleEvent(EVT::I_Event* event) override;

private:
    Game::GameManager* gameManager;
    Menu::MenuController* menuController;
    Menu::MenuPage* menuPage;
    MenuView* menuView;
    std::string nextState;
    std::string fromState;
    // PAUSEs that no RESUME has answered yet.
    int pausesHeld;
};
} // namespace Orvik
