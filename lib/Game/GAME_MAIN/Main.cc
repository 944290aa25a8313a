// The program's entry point. The program is built from it and the game's main source, which enters the
// game's event names before main runs.
#include <string>
#include <vector>

#include "CFG/CFG.h"
#include "Game/GAME_MAIN/MainLogicController.h"
#include "Game/GAME_MAIN/StartUp.h"
#include "Game/GLFW/GLFWApp.h"
#include "Game/GameManager.h"
#include "Game/LogicController.h"
#include "Render/OGL/Controller.h"
#include "sound/salController.h"
#include "util/Debug.h"
#include "util/StringUtil.h"

namespace
{
const char* const c_title = "Project: Orvik v0.93";
// Features the game cannot run without, comma-separated: none.
const char* const c_requiredFeatures = "";

bool isYes(const std::string& key)
{
    const std::string value = CFG::get(key);
    return value == "YES" || value == "Y" || value == "1";
}
} // namespace

int main(int argc, char** argv)
{
    if (Game::layerConfiguration(argc, argv) != 0)
        return 1;
    const CFG::InfoParser* parser = CFG::parser();
    // The game manager listens for the window's size, which the window application reports as it opens.
    Game::GameManager gameManager(parser->getNumber<int>("FRAME_RATE"), parser->getNumber<int>("FRAME_SKIP"));
    Game::GLFWApp windowApp(c_title, parser->getNumber<int>("SCREEN_WIDTH"),
                            parser->getNumber<int>("SCREEN_HEIGHT"), isYes("FULLSCREEN_ON"),
                            parser->getNumber<unsigned long>("CLEAR_COLOR"), true,
                            parser->getNumber<float>("GAME_SPEED"));
    gameManager.setWindowApp(&windowApp);
    OGL::Controller renderController(Game::initialViewData());
    gameManager.setRenderController(&renderController);
    Game::publishAbilities(renderController);
    std::vector<std::string> required;
    Util::splitString(c_requiredFeatures, ",", required, false, true);
    for (const std::string& feature : required)
    {
        if (!isYes("HAVE_" + feature))
            ABORT_AT_LINE(244, c_title << " requires support for " << feature);
    }
    Game::pinGlobalKeys();
    SAL::salController soundController;
    gameManager.setSoundController(&soundController);
    Game::LogicController* logicController = makeMainLogicController(&argc, argv, gameManager);
    gameManager.setLogicController(logicController);
    gameManager.run();
    gameManager.setLogicController(nullptr);
    delete logicController;
    return 0;
}
