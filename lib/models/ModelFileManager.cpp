#include "models/ModelFileManager.h"

#include "models/ModelFileInfo.h"
#include "models/ModelFileLoader.h"
#include "util/NamePtrStore.h"

namespace ModelSys
{
class ModelFileManager::Impl : public Util::NamePtrStore<ModelFileInfo>
{
public:
    Impl() : Util::NamePtrStore<ModelFileInfo>("ModelFileManager", nullptr) {}
};

ModelFileManager::ModelFileManager(ModelFileLoader* loaderIn) : loader(loaderIn), impl(new Impl()) {}

ModelFileManager::~ModelFileManager()
{
    delete impl;
}

const std::string& ModelFileManager::getLoadDir() const
{
    return loader->getLoadDir();
}

MeshStore* ModelFileManager::getMeshStore() const
{
    return loader->getMeshStore();
}

MatSys::MaterialStore* ModelFileManager::getMaterialStore() const
{
    return loader->getMaterialStore();
}

MatSys::TextureStore* ModelFileManager::getTextureStore() const
{
    return loader->getTextureStore();
}

bool ModelFileManager::load(const std::string& file)
{
    const ModelFileInfo* known = impl->get(file);
    if (known != nullptr)
        return known->loaded;
    ModelFileInfo* info = new ModelFileInfo();
    info->loaded =
        loader->load(file, info->meshNames, info->materialNames, info->textureNames, info->errorLog);
    impl->add(file, info);
    return info->loaded;
}

bool ModelFileManager::isLoaded(const std::string& file) const
{
    return impl->exists(file);
}

bool ModelFileManager::getErrorLog(const std::string& file, std::string& log) const
{
    log.clear();
    const ModelFileInfo* info = impl->get(file);
    if (info == nullptr)
        return false;
    log = info->errorLog;
    return !info->loaded;
}

bool ModelFileManager::getInfo(const std::string& file, Names& meshNames, Names& materialNames,
                               Names& textureNames) const
{
    meshNames.clear();
    materialNames.clear();
    textureNames.clear();
    const ModelFileInfo* info = impl->get(file);
    if (info == nullptr)
        return false;
    meshNames = info->meshNames;
    materialNames = info->materialNames;
    textureNames = info->textureNames;
    return true;
}
} // namespace ModelSys
