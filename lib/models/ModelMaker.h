#pragma once

#include <string>

#include "maths/Vector3.h"
#include "models/Blueprint.h"

namespace CFG
{
class Info;
} // namespace CFG

namespace MatSys
{
class Material;
} // namespace MatSys

namespace ModelSys
{
class MeshStore;
class Model;
class ModelFileManager;

// Builds model trees over the meshes of the mesh store: a leaf on one mesh, a tree from a blueprint,
// from an assembly file (".tdm") or from a loaded OBJ or PMF file. Every model answered is new and
// belongs to the caller; null when nothing could be made.
//
// However a blueprint is written, one create stops: a name being expanded is not expanded again below
// itself, a tree of more than MAX_MODELS models tried, or of sub-assemblies nested deeper than
// MAX_DEPTH, gives null (nothing made is kept).
class ModelMaker
{
public:
    static const int MAX_MODELS = 100000;
    static const int MAX_DEPTH = 256;

    // A maker that reads no files.
    explicit ModelMaker(MeshStore* meshStore);
    // Files are loaded through the manager, meshes taken from its mesh store; neither is owned.
    explicit ModelMaker(ModelFileManager* fileManager);
    virtual ~ModelMaker();

    virtual MeshStore* getMeshStore() const;
    virtual ModelFileManager* getFileManager() const;
    // False without a file manager.
    virtual bool loadModelFile(const std::string& file) const;
    // The leaf on the mesh of that name at (0, 0, 0), with no material.
    virtual Model* create(const std::string& meshName) const;
    // The leaf on the mesh of that name; a null material leaves the choice to drawing time.
    virtual Model* create(const std::string& meshName, const MathStuff::Vector3<float>& offset,
                          MatSys::Material* material) const;
    // An assembly file, or the model named so in a model file (a PMF model assembled from its parts,
    // otherwise the mesh of that name); with no file, the mesh of that name.
    virtual Model* create(const std::string& modelName, const std::string& fileName) const;
    // The tree of the blueprint's first entry; null for an empty blueprint.
    virtual Model* create(const Blueprint& blueprint) const;

    // The tree of one entry with the running offset; null when it gives nothing.
    Model* makeModel(const Blueprint& blueprint, const BlueprintEntry& entry,
                     MathStuff::Vector3<float> offset) const;
    // Appends the entry (name, parts) and, once each, the entries its items name through their
    // "_PARTS" keys in info, in pre-order. False when the sub-assemblies nest deeper than MAX_DEPTH.
    bool makeBlueprint(const CFG::Info* info, Blueprint& blueprint, const std::string& name,
                       const std::string& parts) const;

private:
    class Build;

    Model* createFromAssembly(const std::string& modelName, const std::string& fileName) const;
    Model* createFromPMF(const std::string& modelName, const std::string& fileName) const;

    MeshStore* meshStore;
    ModelFileManager* fileManager;
};
} // namespace ModelSys
