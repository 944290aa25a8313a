#include "orvik/src/GameLogic.h"

#include <ctime>
#include <vector>

#include "CFG/CFG.h"
#include "Game/AutoPauser.h"
#include "Game/GameManager.h"
#include "Game/ViewManager.h"
#include "events/EventBus.h"
#include "events/EventTypes.h"
#include "events/EventWithString.h"
#include "events/Event_InputController.h"
#include "input/I_RelativeScreenAreaFactory.h"
#include "input/InputController.h"
#include "orvik/src/GameMaze.h"
#include "orvik/src/GameView.h"
#include "orvik/src/Globals.h"
#include "orvik/src/InputFile.h"
#include "orvik/src/InputEventManager.h"
#include "orvik/src/MyEvents.h"
#include "orvik/src/Player.h"
#include "orvik/src/PlayerScreenArea.h"
#include "orvik/src/ScreenAreaRenderer.h"
#include "random/RandUniversal.h"
#include "util/Debug.h"

namespace Orvik
{
const std::string GameLogic::STATE_QUIT = "QUIT";
const std::string GameLogic::STATE_PAUSED = "PAUSED";
const std::string GameLogic::STATE_ESCAPED = "ESCAPED";

namespace
{
// Areas of the "PLAYER" type follow the token of the level's view.
class PlayerScreenAreaFactory : public Input::I_RelativeScreenAreaFactory
{
public:
    explicit PlayerScreenAreaFactory(const GameView* gameView) : view(gameView) {}

    Input::I_ScreenArea* create(const std::string& type, Input::I_ScreenArea* area) override
    {
        if (type == "PLAYER")
            return new PlayerScreenArea(view, area);
        delete area;
        ABORT("Unknown Player ScreenArea type: " << type);
    }

private:
    const GameView* view;
};
} // namespace

GameLogic::GameLogic(Game::GameManager* manager)
    : gameManager(manager), random(nullptr), view(nullptr), maze(nullptr), player(nullptr),
      inputEventManager(nullptr), autoPauseDelay(0.0f), autoPauser(nullptr), level(0)
{
    EVT::EventBus::instance().addConsumer(ESCAPED, this);
    unsigned seed = CFG::parser()->getNumber<unsigned>("MAZE_SEED");
    if (seed == 0)
        seed = static_cast<unsigned>(std::time(nullptr));
    random = new RNG::RandUniversal();
    random->initialise(seed);
    autoPauseDelay = CFG::parser()->getNumber<float>("AUTO_PAUSE_DELAY");
    std::vector<int> kicks;
    if (autoPauseDelay != 0.0f)
        kicks = {START_MOVE, MOVE_UP, MOVE_DOWN, MOVE_LEFT, MOVE_RIGHT};
    autoPauser = new Game::AutoPauser(autoPauseDelay, kicks);
}

GameLogic::~GameLogic()
{
    doExit("");
    delete random;
    random = nullptr;
    delete autoPauser;
    autoPauser = nullptr;
    EVT::EventBus::instance().removeConsumer(this);
}

void GameLogic::setPause(bool pause)
{
    if (!pause)
        return;
    // A level escaped in this very update ends even when a pause arrives in the same update.
    if (nextState != STATE_ESCAPED)
        nextState = STATE_PAUSED;
    autoPauser->disable();
}

void GameLogic::onEnter(const std::string&, const std::string&)
{
    if (view == nullptr)
    {
        Input::InputController* controller = new Input::InputController("GAME", globals().screenAreaRenderer);
        view = new GameView(controller);
        gameManager->getViewManager()->add(view);
        inputEventManager = new InputEventManager(view);
        maze = new GameMaze(level, view, random);
        player = new Player(maze);
        view->setMaze(maze);
        view->setPlayer(player);
        PlayerScreenAreaFactory factory(view);
        const std::string file = CFG::get("GAME_INPUT_CFG");
        if (!canReadInputFile(file) || !controller->init(file, "", &factory))
            ABORT("Failed to create GAME InputController using " << file);
    }
    EVT::EventBus& bus = EVT::EventBus::instance();
    EVT::Event_InputController activate(EVT::EVENT_INPUT_CONTROLLER, "GAME", true);
    bus.raiseEvent(&activate, false);
    autoPauser->enable(0.0f);
    const std::string musicOn = CFG::get("MUSIC_ON");
    if (musicOn == "YES" || musicOn == "Y" || musicOn == "1")
    {
        EVT::EventWithString music(EVT::EVENT_MUSIC, "GAME_MUSIC");
        bus.raiseEvent(&music, false);
    }
    nextState = "";
}

std::string GameLogic::onUpdate(float dt)
{
    if (player != nullptr)
        player->onUpdate(dt);
    if (nextState == STATE_ESCAPED)
        doExit("");
    return nextState;
}

void GameLogic::doExit(const std::string&)
{
    if (gameManager != nullptr && gameManager->getViewManager() != nullptr)
        gameManager->getViewManager()->remove(view);
    delete view;
    view = nullptr;
    delete inputEventManager;
    inputEventManager = nullptr;
    delete player;
    player = nullptr;
    delete maze;
    maze = nullptr;
}

void GameLogic::handleEvent(EVT::I_Event* event)
{
    if (event->getType() != ESCAPED)
        return;
    nextState = STATE_ESCAPED;
    ++level;
}
} // namespace Orvik
