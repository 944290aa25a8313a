#pragma once

#include <string>

#include "models/ModelFileLoader.h"

namespace MatSys
{
class I_Texture;
class Material;
} // namespace MatSys

namespace ModelSys
{
struct _GLMfacegroup;
struct _GLMmaterial;
struct _GLMscene;

// Loads Wavefront OBJ files: one vertex array and one mesh per group, named stem.group, drawn with a
// material chosen from the group's MTL material. A stem ending in "_REV" reverses the winding and
// "_SCALE_<number>" scales the positions; both leave the stem that names the meshes.
class ModelFileLoaderObj : public ModelFileLoader
{
public:
    // What a group's MTL material asks for.
    enum MaterialType
    {
        MAT_NONE = 0,
        MAT_MATDEF = 1,
        MAT_TEXTURE = 2,
        MAT_COLOR = 3
    };

    class Impl;

    ModelFileLoaderObj(MeshStore* meshStore, MatSys::MaterialStore* materialStore,
                       MatSys::TextureStore* textureStore, const std::string& loadDir);
    ~ModelFileLoaderObj() override;

    bool load(const std::string& fileName, Names& meshNames, Names& materialNames, Names& textureNames,
              std::string& errorLog) override;

    Impl* getImpl() const { return impl; }

private:
    // One load's record and what it reports.
    struct GroupLoad
    {
        _GLMscene* scene;
        const std::string& stem;
        Names& meshNames;
        Names& materialNames;
        Names& textureNames;
        std::string& errorLog;
    };

    // False when the load has to stop.
    bool loadGroup(GroupLoad& load, const _GLMfacegroup* group);

    Impl* impl;
};

// Chooses and makes group materials, always through the stores the loader has now.
class ModelFileLoaderObj::Impl
{
public:
    explicit Impl(const ModelFileLoader* owner);
    virtual ~Impl();

    // The kind of material, and its name: the texture file for the MATDEF and TEXTURE kinds, the MTL
    // material's name for COLOR, "" for NONE (no record).
    MaterialType getMaterialNameAndType(const _GLMmaterial* material, std::string& name) const;
    // The material of a group (null for none) with the names to list; false, with a message in
    // errorLog, when the material or its texture cannot be had. The stem is not used.
    bool getMaterial(const std::string& stem, _GLMmaterial* material, std::string& materialName,
                     MatSys::Material*& result, std::string& textureName, MatSys::I_Texture*& texture,
                     std::string& errorLog) const;

private:
    bool getTextureMaterial(const std::string& materialName, MatSys::Material*& result,
                            std::string& textureName, MatSys::I_Texture*& texture,
                            std::string& errorLog) const;
    bool getColorMaterial(const _GLMmaterial* material, std::string& materialName, MatSys::Material*& result,
                          std::string& errorLog) const;

    const ModelFileLoader* owner;
};
} // namespace ModelSys
