#include "models/ModelSystemFacade.h"

#include "MatSys/MaterialSystemFacade.h"
#include "models/MeshStore.h"
#include "models/Model.h"
#include "models/ModelFileLoaderAll.h"
#include "models/ModelFileManager.h"
#include "models/ModelMaker.h"

namespace ModelSys
{
class ModelSystemFacade::Impl
{
public:
    virtual ~Impl()
    {
        // Models go before the meshes and materials they draw with, meshes before the material system.
        for (Model* model : models)
            delete model;
        models.clear();
        delete maker;
        delete fileManager;
        delete loader;
        delete meshStore;
        delete materialFacade;
    }

    bool ownsModels = false;
    std::vector<Model*> models;
    MatSys::MaterialSystemFacade* materialFacade = nullptr;
    MeshStore* meshStore = nullptr;
    ModelFileLoaderAll* loader = nullptr;
    ModelFileManager* fileManager = nullptr;
    ModelMaker* maker = nullptr;
};

ModelSystemFacade::ModelSystemFacade(const std::string& modelLoadDir, const std::string& materialsConfig,
                                     Render::I_CreateVertexArray* factory,
                                     MatSys::I_ShaderProgramMaker* programMaker)
    : impl(new Impl())
{
    impl->materialFacade = new MatSys::MaterialSystemFacade(materialsConfig, programMaker);
    impl->materialFacade->addMaterial("DEF_COLOR_MAT");
    impl->materialFacade->addMaterial("DEF_TEXTURE_MAT");
    impl->meshStore = new MeshStore(factory);
    impl->loader = new ModelFileLoaderAll(impl->meshStore, impl->materialFacade->getMaterialStore(),
                                          impl->materialFacade->getTextureStore(), modelLoadDir);
    impl->fileManager = new ModelFileManager(impl->loader);
    impl->maker = new ModelMaker(impl->fileManager);
}

ModelSystemFacade::~ModelSystemFacade()
{
    delete impl;
}

MatSys::MaterialSystemFacade* ModelSystemFacade::getMaterialFacade() const
{
    return impl->materialFacade;
}

const std::string& ModelSystemFacade::getModelLoadDir() const
{
    return impl->loader->getLoadDir();
}

MeshStore* ModelSystemFacade::getMeshStore() const
{
    return impl->meshStore;
}

bool ModelSystemFacade::loadModelFile(const std::string& file, std::string& errorLog)
{
    if (impl->fileManager->getErrorLog(file, errorLog))
        return false;
    if (impl->fileManager->load(file))
        return true;
    impl->fileManager->getErrorLog(file, errorLog);
    return false;
}

bool ModelSystemFacade::getInfo(const std::string& file, Names& meshNames, Names& materialNames,
                                Names& textureNames)
{
    return impl->fileManager->getInfo(file, meshNames, materialNames, textureNames);
}

int ModelSystemFacade::getMeshNames(const std::string& file, Names& names)
{
    Names materials, textures;
    getInfo(file, names, materials, textures);
    return static_cast<int>(names.size());
}

int ModelSystemFacade::getMaterialNames(const std::string& file, Names& names)
{
    Names meshes, textures;
    getInfo(file, meshes, names, textures);
    return static_cast<int>(names.size());
}

int ModelSystemFacade::getTextureNames(const std::string& file, Names& names)
{
    Names meshes, materials;
    getInfo(file, meshes, materials, names);
    return static_cast<int>(names.size());
}

void ModelSystemFacade::setFacadeOwnsModels(bool owns)
{
    impl->ownsModels = owns;
}

Model* ModelSystemFacade::keep(Model* model)
{
    if (impl->ownsModels && model != nullptr)
        impl->models.push_back(model);
    return model;
}

Model* ModelSystemFacade::makeViaBlueprint(const Blueprint& blueprint)
{
    return keep(impl->maker->create(blueprint));
}

Model* ModelSystemFacade::makeViaSingleMesh(const std::string& meshName)
{
    return keep(impl->maker->create(meshName, std::string()));
}

Model* ModelSystemFacade::makeViaSingleModelTDM(const std::string& file)
{
    return keep(impl->maker->create(std::string(), file));
}

Model* ModelSystemFacade::makeViaModelFile(const std::string& modelName, const std::string& file)
{
    return keep(impl->maker->create(modelName, file));
}

MatSys::I_Color* ModelSystemFacade::getColor() const
{
    return impl->materialFacade->getColor();
}

MatSys::I_Color* ModelSystemFacade::getColor(const Util::RGBA& rgba) const
{
    return impl->materialFacade->getColor(rgba);
}

MatSys::I_Color* ModelSystemFacade::getColor(const std::string& text) const
{
    return impl->materialFacade->getColor(text);
}

MatSys::Material* ModelSystemFacade::addMaterial(const std::string& name) const
{
    if (!impl->materialFacade->addMaterial(name))
        return nullptr;
    return getMaterial(name);
}

MatSys::Material* ModelSystemFacade::getMaterial(const std::string& name) const
{
    return impl->materialFacade->getMaterial(name);
}
} // namespace ModelSys
