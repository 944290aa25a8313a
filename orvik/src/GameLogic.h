#pragma once

#include <string>

#include "Game/I_LogicState.h"
#include "events/I_EventConsumer.h"
#include "util/NonCopyable.h"

namespace Game
{
class AutoPauser;
class GameManager;
} // namespace Game

namespace RNG
{
class I_Random;
} // namespace RNG

namespace Orvik
{
class GameMaze;
class GameView;
class InputEventManager;
class Player;

// The RUNNING state: plays one level after another. Each level has its view with the "GAME" input
// controller, its mouse-move handler, its maze and its player; the random source, the auto-pauser and
// the count of escaped levels last for the whole run. Answers "PAUSED" after a pause and "ESCAPED" once
// a level has been escaped and torn down.
class GameLogic : public Game::I_LogicState, public EVT::I_EventConsumer, private Util::NonCopyable<GameLogic>
{
public:
    static const std::string STATE_QUIT;
    static const std::string STATE_PAUSED;
    static const std::string STATE_ESCAPED;

    explicit GameLogic(Game::GameManager* gameManager);
    ~GameLogic() override;

    void setPause(bool pause) override;
    // Builds a level unless one is in progress, then gives it the input, the auto-pause and the music.
    void onEnter(const std::string& from, const std::string& outcome) override;
    std::string onUpdate(float dt) override;
    // Tears the level down.
    void doExit(const std::string& reason) override;
    void handleEvent(EVT::I_Event* event) override;

    int getLevel() const { return level; }
    GameView* getView() const { return view; }
    GameMaze* getMaze() const { return maze; }
    Player* getPlayer() const { return player; }

private:
    Game::GameManager* gameManager;
    RNG::I_Random* random;
    GameView* view;
    GameMaze* maze;
    Player* player;
    InputEventManager* inputEventManager;
    float autoPauseDelay;
    Game::AutoPauser* autoPauser;
    int level;
    std::string nextState;
};
} // namespace Orvik
