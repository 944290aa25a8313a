#include "orvik/src/GameGraphics.h"

#include "CFG/CFG.h"
#include "models/ModelSystemFacade.h"
#include "orvik/src/Globals.h"
#include "util/Debug.h"

namespace Orvik
{
GameGraphics::GameGraphics() : modelSystem(globals().modelSystem) {}

GameGraphics::~GameGraphics() = default;

const char* GameGraphics::kindName(Graphic kind)
{
    static const char* const l_names[NUM_GRAPHICS] = {"WALL",   "TREASURE", "PLAYER",
                                                      "CHOICE", "ESCAPED",  "FOOTPRINT"};
    return l_names[kind];
}

void GameGraphics::init()
{
    if (!pairs.empty())
        return;
    pairs.assign(NUM_GRAPHICS, ModelSys::ModelMatPair{nullptr, nullptr});
    for (int kind = WALL; kind < NUM_GRAPHICS; ++kind)
        pairs[kind] = getModelAndMat(kindName(static_cast<Graphic>(kind)));
}

ModelSys::ModelMatPair GameGraphics::getModelAndMat(const std::string& kind)
{
    modelSystem->setFacadeOwnsModels(true);
    const std::string materialName = CFG::get(kind + "_MATERIAL");
    const std::string modelName = CFG::get(kind + "_MODEL_NAME");
    const std::string modelFile = CFG::get(kind + "_MODEL_FILE");
    MatSys::Material* material = modelSystem->addMaterial(materialName);
    // The model file is loaded whether or not the material could be made.
    ModelSys::Model* model = modelSystem->makeViaModelFile(modelName, modelFile);
    if (model == nullptr || material == nullptr)
        ABORT("GameGraphics - Failed to get Model+Material for: " << kind);
    modelSystem->setFacadeOwnsModels(false);
    return ModelSys::ModelMatPair{model, material};
}

const ModelSys::ModelMatPair& GameGraphics::get(Graphic kind) const
{
    return pairs[kind];
}
} // namespace Orvik
