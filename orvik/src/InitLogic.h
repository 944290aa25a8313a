#pragma once

#include "Game/I_LogicState.h"
#include "util/NonCopyable.h"

namespace Game
{
class GameManager;
} // namespace Game

namespace Orvik
{
// The INIT state: builds the services the whole game shares when it is entered (the mouse and the
// joypad in the device registry; the font manager, the model system, the graphics table, the sound
// manager and the screen-area renderer in the globals record) and deletes them when it is destroyed,
// after every other state.
class InitLogic : public Game::I_LogicState, private Util::NonCopyable<InitLogic>
{
public:
    explicit InitLogic(Game::GameManager* gameManager);
    ~InitLogic() override;

    void setPause(bool) override {}
    void onEnter(const std::string& from, const std::string& outcome) override;
    // Always "DONE".
    std::string onUpdate(float dt) override;
    void doExit(const std::string&) override {}
};
} // namespace Orvik
