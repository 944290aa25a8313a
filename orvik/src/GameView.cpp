#include "orvik/src/GameView.h"

#include <string>

#include "CFG/CFG.h"
#include "Game/GameManager.h"
#include "Game/ViewBoxHelper.h"
#include "Render/I_RenderController.h"
#include "input/InputController.h"
#include "maths/PointsString.h"
#include "orvik/src/GameMaze.h"
#include "orvik/src/Globals.h"
#include "orvik/src/Player.h"

namespace Orvik
{
namespace
{
bool isYes(const std::string& key)
{
    const std::string value = CFG::get(key);
    return value == "YES" || value == "Y" || value == "1";
}

MathStuff::Vector3<float> readPoint(const MathStuff::PointsString& reader, const char* key)
{
    return reader.stringToPoint(CFG::get(key));
}
} // namespace

GameView::GameView(Input::InputController* controller)
    : inputController(controller), viewBox(nullptr), maze(nullptr), player(nullptr),
      camera(MathStuff::Vector3<float>(0.0f, 0.0f, 0.0f), MathStuff::Vector3<float>(0.0f, 0.0f, 1.0f),
             MathStuff::Vector3<float>(0.0f, 1.0f, 0.0f), MathStuff::Vector3<float>(1.0f, 1.0f, 1.0f))
{
    const MathStuff::PointsString reader(0.0f, false);
    camera.position = readPoint(reader, "CAMERA_XYZ");
    camera.direction = readPoint(reader, "CAMERA_FACE");
    camera.up = readPoint(reader, "CAMERA_UP");
    viewBox = new GameHelper::ViewBoxHelper("GAME_VIEW_BOX", nullptr);
}

GameView::~GameView()
{
    delete viewBox;
    delete inputController;
}

void GameView::setScreenSize(int width, int height)
{
    viewBox->setScreenSize(width, height);
}

void GameView::preUpdate(float elapsed)
{
    if (inputController != nullptr)
        inputController->onUpdate(elapsed);
}

EVT::I_Event* GameView::onInput(EVT::I_Event* event)
{
    return inputController != nullptr ? inputController->onInput(event) : event;
}

Geom::Rect<int> GameView::getViewBox() const
{
    return viewBox->getViewBox();
}

void GameView::getScreenSize(int& width, int& height) const
{
    viewBox->getScreenSize(width, height);
}

void GameView::onRender()
{
    Game::GameManager* manager = globals().gameManager;
    Render::I_RenderController* controller = manager != nullptr ? manager->getRenderController() : nullptr;
    if (controller == nullptr)
        return;
    controller->pushViewData();
    // Read once for the whole run: every level's view shares them.
    static const float l_minZ = CFG::parser()->getNumber<float>("MIN_Z");
    static const float l_maxZ = CFG::parser()->getNumber<float>("MAX_Z");
    static const bool l_vsync = isYes("VSYNC_ON");
    static const bool l_is3D = isYes("IS_3D");
    const Geom::Rect<int> box = getViewBox();
    Render::ViewData data;
    data.minZ = l_minZ;
    data.maxZ = l_maxZ;
    data.fov = 0.0f;
    data.x = box.x;
    data.y = box.y;
    data.width = box.w;
    data.height = box.h;
    data.zoomX = 1.0f;
    data.zoomY = 1.0f;
    data.vsync = l_vsync ? 1 : 0;
    data.is3D = l_is3D;
    controller->setViewData(data);
    controller->setCamera(camera);
    if (maze != nullptr)
        maze->onRender();
    if (player != nullptr)
        player->onRender();
    if (inputController != nullptr && inputController->isActive())
        inputController->onRender();
    controller->popViewData();
}
} // namespace Orvik
