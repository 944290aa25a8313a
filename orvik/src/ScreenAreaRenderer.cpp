#include "orvik/src/ScreenAreaRenderer.h"

#include "Game/GameManager.h"
#include "Game/ViewBoxHelper.h"
#include "MatSys/Material.h"
#include "Render/I_RenderController.h"
#include "models/Model.h"
#include "models/ModelSystemFacade.h"
#include "orvik/src/Globals.h"
#include "util/NumUtil.h"

namespace Orvik
{
ScreenAreaRenderer::ScreenAreaRenderer()
    : modelSystem(globals().modelSystem), renderController(nullptr), renderQueue(nullptr), viewBox(nullptr),
      nameToModel(new NameToModel(nullptr))
{
    Game::GameManager* manager = globals().gameManager;
    if (manager != nullptr)
        renderController = manager->getRenderController();
    if (renderController != nullptr)
        renderQueue = renderController->getRenderQueue();
    viewBox = new GameHelper::ViewBoxHelper("GAME_INPUT_BOX", nullptr);
    if (manager != nullptr)
        manager->addScreenWatcher(this);
}

ScreenAreaRenderer::~ScreenAreaRenderer()
{
    if (globals().gameManager != nullptr)
        globals().gameManager->removeScreenWatcher(this);
    delete nameToModel;
    delete viewBox;
}

bool ScreenAreaRenderer::init(const std::set<std::string>& modelNames,
                              const std::set<std::string>& materialNames)
{
    // Without a model system only a configuration that names nothing can be served.
    if (modelSystem == nullptr)
        return modelNames.empty() && materialNames.empty();
    bool ok = true;
    for (auto name = materialNames.begin(); ok && name != materialNames.end(); ++name)
        ok = modelSystem->addMaterial(*name) != nullptr;
    modelSystem->setFacadeOwnsModels(true);
    for (auto name = modelNames.begin(); ok && name != modelNames.end(); ++name)
    {
        // Every level and every pause reads its input file again: a model made before serves again
        // instead of a new copy that the model system would keep to the end.
        if (nameToModel->find(*name) != nullptr)
            continue;
        ModelSys::Model* model = modelSystem->makeViaSingleModelTDM(*name);
        ok = model != nullptr;
        if (ok)
            nameToModel->add(*name, model);
    }
    modelSystem->setFacadeOwnsModels(false);
    return ok;
}

void ScreenAreaRenderer::setUsedBy(const std::string& controllerName, bool used)
{
    if (used)
        viewBox->init(controllerName + "_INPUT_BOX", nullptr);
}

Geom::Rect<int> ScreenAreaRenderer::getInputBox() const
{
    return viewBox->getViewBox();
}

void ScreenAreaRenderer::setScreenSize(int width, int height)
{
    viewBox->setScreenSize(width, height);
}

void ScreenAreaRenderer::startRender()
{
    if (renderController == nullptr)
        return;
    renderController->pushViewData();
    const Geom::Rect<int> box = getInputBox();
    Render::ViewData data;
    data.minZ = -1.0f;
    data.maxZ = 1.0f;
    data.fov = 0.0f;
    data.x = box.x;
    data.y = box.y;
    data.width = box.w;
    data.height = box.h;
    data.zoomX = 1.0f;
    data.zoomY = 1.0f;
    data.vsync = 1;
    data.is3D = false;
    renderController->setViewData(data);
    // The areas are laid out in the box's pixels: a camera that a 3-D game view set before would move
    // them out of this flat view.
    renderController->setCamera(MathStuff::Orientation<float>(
        MathStuff::Vector3<float>(0.0f, 0.0f, 0.0f), MathStuff::Vector3<float>(0.0f, 0.0f, -1.0f),
        MathStuff::Vector3<float>(0.0f, 1.0f, 0.0f), MathStuff::Vector3<float>(1.0f, 1.0f, 1.0f)));
}

void ScreenAreaRenderer::stopRender()
{
    if (renderController != nullptr)
        renderController->popViewData();
}

void ScreenAreaRenderer::draw(const Geom::Rect<float>& rect, const Input::I_ScreenArea::RenderInfo&,
                              const std::string& modelName, const std::string& materialName)
{
    int screenWidth = 0;
    int screenHeight = 0;
    viewBox->getScreenSize(screenWidth, screenHeight);
    ModelSys::Model* model = modelName.empty() ? nullptr : nameToModel->find(modelName);
    if (model == nullptr)
        return;
    const float width = static_cast<float>(screenWidth);
    const float height = static_cast<float>(screenHeight);
    const float hx = Util::PERCENT_OF(rect.w, width) * 0.5f;
    const float hy = Util::PERCENT_OF(rect.h, height) * 0.5f;
    const float cx = Util::PERCENT_OF(rect.x, width) + hx;
    const float cy = Util::PERCENT_OF(100.0f - rect.y, height) - hy;
    const MathStuff::Orientation<float> placement(
        MathStuff::Vector3<float>(cx, cy, 0.0f), MathStuff::Vector3<float>(0.0f, 0.0f, 1.0f),
        MathStuff::Vector3<float>(0.0f, 1.0f, 0.0f), MathStuff::Vector3<float>(hx, hy, 0.0f));
    MatSys::Material* material =
        materialName.empty() || modelSystem == nullptr ? nullptr : modelSystem->getMaterial(materialName);
    model->display(renderQueue, placement, material);
}
} // namespace Orvik
