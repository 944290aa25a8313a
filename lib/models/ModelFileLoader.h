#pragma once

#include <string>
#include <vector>

#include "util/NonCopyable.h"

namespace MatSys
{
class MaterialStore;
class TextureStore;
} // namespace MatSys

namespace ModelSys
{
class MeshStore;

// Turns one model file into named meshes in the mesh store, with the materials and textures they are
// drawn with, and reports the names of what it made or used. The stores are not owned.
class ModelFileLoader : public Util::NonCopyable<ModelFileLoader>
{
public:
    using Names = std::vector<std::string>;

    // The directory is set as setLoadDir of this class sets it.
    ModelFileLoader(MeshStore* meshStore, MatSys::MaterialStore* materialStore,
                    MatSys::TextureStore* textureStore, const std::string& loadDir);
    virtual ~ModelFileLoader();

    // Empty, or ending in "/".
    virtual const std::string& getLoadDir() const;
    // A directory not ending in "/" gets one; "" stays "".
    virtual void setLoadDir(const std::string& dir);
    virtual void setMeshStore(MeshStore* store);
    virtual void setMaterialStore(MatSys::MaterialStore* store);
    virtual void setTextureStore(MatSys::TextureStore* store);
    virtual MeshStore* getMeshStore() const;
    virtual MatSys::MaterialStore* getMaterialStore() const;
    virtual MatSys::TextureStore* getTextureStore() const;

    // Loads the file at load directory + fileName; appends to the three name lists (never empties them)
    // and reports problems in errorLog. True when the file loaded without error.
    virtual bool load(const std::string& fileName, Names& meshNames, Names& materialNames,
                      Names& textureNames, std::string& errorLog) = 0;

private:
    void setDir(const std::string& dir);

    MeshStore* meshStore;
    MatSys::MaterialStore* materialStore;
    MatSys::TextureStore* textureStore;
    std::string loadDir;
};
} // namespace ModelSys
