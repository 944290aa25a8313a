#pragma once

#include <set>
#include <string>

#include "Game/I_ScreenWatcher.h"
#include "input/I_ScreenAreaRenderer.h"
#include "util/BasicStore.h"
#include "util/NonCopyable.h"

namespace GameHelper
{
class ViewBoxHelper;
} // namespace GameHelper

namespace ModelSys
{
class Model;
class ModelSystemFacade;
} // namespace ModelSys

namespace Render
{
class I_RenderController;
class I_RenderQueue;
} // namespace Render

namespace Orvik
{
// Draws the screen areas of every input controller of the game: loads the models and materials their
// configurations name, keeps the input box of the active controller (its name + "_INPUT_BOX") and draws
// each area's model stretched over the area in a flat view over that box.
class ScreenAreaRenderer : public Input::I_ScreenAreaRenderer,
                           public virtual Game::I_ScreenWatcher,
                           private Util::NonCopyable<ScreenAreaRenderer>
{
public:
    // Model names to the models made for them; the models belong to the model system.
    using NameToModel = Util::BasicStore<std::string, ModelSys::Model*>;

    // Takes the model system and the game manager from the globals record and watches the screen size.
    ScreenAreaRenderer();
    virtual ~ScreenAreaRenderer();

    bool init(const std::set<std::string>& modelNames, const std::set<std::string>& materialNames) override;
    void setUsedBy(const std::string& controllerName, bool used) override;
    Geom::Rect<int> getInputBox() const override;
    void startRender() override;
    void stopRender() override;
    void draw(const Geom::Rect<float>& percentRect, const Input::I_ScreenArea::RenderInfo& info,
              const std::string& modelName, const std::string& materialName) override;
    void setScreenSize(int width, int height) override;

private:
    ModelSys::ModelSystemFacade* modelSystem;
    Render::I_RenderController* renderController;
    Render::I_RenderQueue* renderQueue;
    GameHelper::ViewBoxHelper* viewBox;
    NameToModel* nameToModel;
};
} // namespace Orvik
