#include "models/ModelFileLoader.h"

namespace ModelSys
{
ModelFileLoader::ModelFileLoader(MeshStore* meshStoreIn, MatSys::MaterialStore* materialStoreIn,
                                 MatSys::TextureStore* textureStoreIn, const std::string& loadDirIn)
    : meshStore(meshStoreIn), materialStore(materialStoreIn), textureStore(textureStoreIn)
{
    setDir(loadDirIn);
}

ModelFileLoader::~ModelFileLoader() = default;

void ModelFileLoader::setDir(const std::string& dir)
{
    loadDir = dir;
    if (!loadDir.empty() && loadDir.back() != '/')
        loadDir += '/';
}

const std::string& ModelFileLoader::getLoadDir() const
{
    return loadDir;
}

void ModelFileLoader::setLoadDir(const std::string& dir)
{
    setDir(dir);
}

void ModelFileLoader::setMeshStore(MeshStore* store)
{
    meshStore = store;
}

void ModelFileLoader::setMaterialStore(MatSys::MaterialStore* store)
{
    materialStore = store;
}

void ModelFileLoader::setTextureStore(MatSys::TextureStore* store)
{
    textureStore = store;
}

MeshStore* ModelFileLoader::getMeshStore() const
{
    return meshStore;
}

MatSys::MaterialStore* ModelFileLoader::getMaterialStore() const
{
    return materialStore;
}

MatSys::TextureStore* ModelFileLoader::getTextureStore() const
{
    return textureStore;
}
} // namespace ModelSys
