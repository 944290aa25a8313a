#include "models/ModelFileLoaderAll.h"

#include "models/ModelFileLoaderObj.h"
#include "models/ModelFileLoaderPMF.h"
#include "models/TextWords.h"

namespace ModelSys
{
ModelFileLoaderAll::ModelFileLoaderAll(MeshStore* meshStore, MatSys::MaterialStore* materialStore,
                                       MatSys::TextureStore* textureStore, const std::string& loadDir)
    : ModelFileLoader(meshStore, materialStore, textureStore, loadDir)
{
    loaders.push_back(new ModelFileLoaderObj(meshStore, materialStore, textureStore, loadDir));
    loaders.push_back(new ModelFileLoaderPMF(meshStore, materialStore, textureStore, loadDir));
}

ModelFileLoaderAll::~ModelFileLoaderAll()
{
    for (ModelFileLoader* loader : loaders)
        delete loader;
}

void ModelFileLoaderAll::setLoadDir(const std::string& dir)
{
    ModelFileLoader::setLoadDir(dir);
    for (ModelFileLoader* loader : loaders)
        loader->setLoadDir(dir);
}

void ModelFileLoaderAll::setMeshStore(MeshStore* store)
{
    ModelFileLoader::setMeshStore(store);
    for (ModelFileLoader* loader : loaders)
        loader->setMeshStore(store);
}

void ModelFileLoaderAll::setMaterialStore(MatSys::MaterialStore* store)
{
    ModelFileLoader::setMaterialStore(store);
    for (ModelFileLoader* loader : loaders)
        loader->setMaterialStore(store);
}

void ModelFileLoaderAll::setTextureStore(MatSys::TextureStore* store)
{
    ModelFileLoader::setTextureStore(store);
    for (ModelFileLoader* loader : loaders)
        loader->setTextureStore(store);
}

bool ModelFileLoaderAll::load(const std::string& fileName, Names& meshNames, Names& materialNames,
                              Names& textureNames, std::string& errorLog)
{
    errorLog.clear();
    if (endsWith(fileName, ".obj"))
        return loaders[0]->load(fileName, meshNames, materialNames, textureNames, errorLog);
    if (endsWith(fileName, ".pmf"))
        return loaders[1]->load(fileName, meshNames, materialNames, textureNames, errorLog);
    errorLog = "ModelFileLoaderAll::load - Can't determine model file type for " + fileName;
    return false;
}
} // namespace ModelSys
