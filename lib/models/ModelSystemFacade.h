#pragma once

#include <string>
#include <vector>

#include "models/Blueprint.h"
#include "util/RGBA.h"
#include "util/NonCopyable.h"

namespace Render
{
class I_CreateVertexArray;
} // namespace Render

namespace MatSys
{
class I_Color;
class I_ShaderProgramMaker;
class Material;
class MaterialSystemFacade;
} // namespace MatSys

namespace ModelSys
{
class MeshStore;
class Model;

// The one way into models, materials and colours: builds and owns the material system, the mesh store,
// the model-file loaders, the file manager and the model maker, and adds the two default materials
// "DEF_COLOR_MAT" and "DEF_TEXTURE_MAT". While told to own models, it keeps every model it makes and
// deletes them with itself; other models belong to their caller, who deletes them before the facade.
class ModelSystemFacade : private Util::NonCopyable<ModelSystemFacade>
{
public:
    using Names = std::vector<std::string>;

    // The factory stays the caller's; the program maker (null: the GLSL makers) goes to the material
    // system, which deletes it.
    ModelSystemFacade(const std::string& modelLoadDir, const std::string& materialsConfig,
                      Render::I_CreateVertexArray* factory, MatSys::I_ShaderProgramMaker* programMaker);
    virtual ~ModelSystemFacade();

    virtual MatSys::MaterialSystemFacade* getMaterialFacade() const;
    // Empty, or ending in "/".
    virtual const std::string& getModelLoadDir() const;
    virtual MeshStore* getMeshStore() const;
    // Loads the file once; a file that failed answers false with its error text ever after.
    virtual bool loadModelFile(const std::string& file, std::string& errorLog);
    virtual bool getInfo(const std::string& file, Names& meshNames, Names& materialNames,
                         Names& textureNames);
    // Each replaces names with the file's list and answers its size; 0 for a file never loaded.
    virtual int getMeshNames(const std::string& file, Names& names);
    virtual int getMaterialNames(const std::string& file, Names& names);
    virtual int getTextureNames(const std::string& file, Names& names);
    virtual void setFacadeOwnsModels(bool owns);
    // The make operations answer a new model or null.
    virtual Model* makeViaBlueprint(const Blueprint& blueprint);
    // A leaf on the mesh of that name.
    virtual Model* makeViaSingleMesh(const std::string& meshName);
    // The root of an assembly file, named after the file.
    virtual Model* makeViaSingleModelTDM(const std::string& file);
    // An assembly file, or the model of that name from an OBJ or PMF file.
    virtual Model* makeViaModelFile(const std::string& modelName, const std::string& file);
    // New colours that the caller deletes.
    virtual MatSys::I_Color* getColor() const;
    virtual MatSys::I_Color* getColor(const Util::RGBA& rgba) const;
    virtual MatSys::I_Color* getColor(const std::string& text) const;
    // The material defined under that name in the materials configuration; null when it cannot be made.
    virtual MatSys::Material* addMaterial(const std::string& name) const;
    // Null for a material not yet added.
    virtual MatSys::Material* getMaterial(const std::string& name) const;

private:
    class Impl;
    Impl* impl;

    Model* keep(Model* model);
};
} // namespace ModelSys
