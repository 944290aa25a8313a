#include "orvik/src/InitLogic.h"

#include <string>

#include "CFG/CFG.h"
#include "Devices/DeviceRegistry.h"
#include "Devices/Joypad.h"
#include "Devices/Mouse.h"
#include "Game/GameManager.h"
#include "Game/SoundManager.h"
#include "MatSys/SW/ShaderProgramMaker.h"
#include "Render/I_RenderController.h"
#include "fonts/FontManager.h"
#include "models/ModelSystemFacade.h"
#include "orvik/src/GameGraphics.h"
#include "orvik/src/Globals.h"
#include "orvik/src/ScreenAreaRenderer.h"

namespace Orvik
{
namespace
{
bool isYes(const std::string& key)
{
    const std::string value = CFG::get(key);
    return value == "YES" || value == "Y" || value == "1";
}

// Takes a service out of the record before deleting it, so nothing finds it half gone.
template <class T> void release(T*& field)
{
    T* service = field;
    field = nullptr;
    delete service;
}

// GLSL only when asked for and available; otherwise the fixed-function programs.
MatSys::I_ShaderProgramMaker* chooseProgramMaker()
{
    if (isYes("USE_SHADERS") && isYes("HAVE_SHADERS"))
        return nullptr;
    return new MatSys::SW::ShaderProgramMaker();
}
} // namespace

InitLogic::InitLogic(Game::GameManager* gameManager)
{
    globals().gameManager = gameManager;
}

InitLogic::~InitLogic()
{
    Globals& record = globals();
    release(record.screenAreaRenderer);
    release(record.soundManager);
    release(record.graphics);
    release(record.modelSystem);
    release(record.fontManager);
    Devices::Mouse* mouse = Devices::getMouse();
    Devices::setMouse(nullptr);
    delete mouse;
    Devices::Joypad* joypad = Devices::getJoypad();
    Devices::setJoypad(nullptr);
    delete joypad;
    record.gameManager = nullptr;
}

void InitLogic::onEnter(const std::string&, const std::string&)
{
    Globals& record = globals();
    Game::GameManager* manager = record.gameManager;
    int width = 0;
    int height = 0;
    manager->getScreenSize(width, height);
    const float sensitivityX = CFG::parser()->getNumber<float>("MOUSE_SENSITIVITY_X");
    const float sensitivityY = CFG::parser()->getNumber<float>("MOUSE_SENSITIVITY_Y");
    Devices::setMouse(new Devices::Mouse(width, height, sensitivityX, sensitivityY));
    Devices::setJoypad(new Devices::Joypad());
    record.fontManager = new FontFTGL::FontManager(CFG::get("FONTS_DIR"));
    MatSys::I_ShaderProgramMaker* programMaker = chooseProgramMaker();
    const std::string modelLoadDir = CFG::get("MODEL_LOAD_DIR");
    const std::string materialsCfg = CFG::get("MATERIALS_CFG");
    Render::I_CreateVertexArray* vertexArrays = manager->getRenderController();
    record.modelSystem =
        new ModelSys::ModelSystemFacade(modelLoadDir, materialsCfg, vertexArrays, programMaker);
    record.graphics = new GameGraphics();
    record.graphics->init();
    record.soundManager = new Game::SoundManager(manager->getSoundController(), CFG::get("SOUNDS_CFG"));
    record.soundManager->setEffects(isYes("SOUND_ON"));
    record.screenAreaRenderer = new ScreenAreaRenderer();
}

std::string InitLogic::onUpdate(float)
{
    return "DONE";
}
} // namespace Orvik
