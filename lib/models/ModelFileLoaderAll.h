#pragma once

#include <string>
#include <vector>

#include "models/ModelFileLoader.h"

namespace ModelSys
{
// The loader the system uses: hands ".obj" files to its OBJ loader and ".pmf" files to its poly-model
// loader (endings compared exactly), which it owns and keeps on the same stores and directory.
class ModelFileLoaderAll : public ModelFileLoader
{
public:
    ModelFileLoaderAll(MeshStore* meshStore, MatSys::MaterialStore* materialStore,
                       MatSys::TextureStore* textureStore, const std::string& loadDir);
    ~ModelFileLoaderAll() override;

    void setLoadDir(const std::string& dir) override;
    void setMeshStore(MeshStore* store) override;
    void setMaterialStore(MatSys::MaterialStore* store) override;
    void setTextureStore(MatSys::TextureStore* store) override;
    // Empties errorLog first; any other ending fails.
    bool load(const std::string& fileName, Names& meshNames, Names& materialNames, Names& textureNames,
              std::string& errorLog) override;

private:
    // The OBJ loader, then the poly-model loader.
    std::vector<ModelFileLoader*> loaders;
};
} // namespace ModelSys
