#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "models/ModelFileLoader.h"
#include "models/PolyModel.h"

namespace ModelSys
{
// Loads poly-model files: one vertex array per model of the file (x, y, z and, when the model has
// texture coordinates, u, v per vertex), one mesh per part over its range of the array, named
// model.part, with the material the part names.
class ModelFileLoaderPMF : public ModelFileLoader
{
public:
    ModelFileLoaderPMF(MeshStore* meshStore, MatSys::MaterialStore* materialStore,
                       MatSys::TextureStore* textureStore, const std::string& loadDir);

    // The most vertices one file may give, over all its models and parts: far above any real model (a
    // circle part has at most 12288), and it keeps a file that lists a large part over and over from
    // taking the machine's memory.
    static constexpr std::size_t MAX_VERTICES = std::size_t(1) << 20;

    // A file that cannot be opened fails; a model that yields no vertices is passed over. A file whose
    // parts give more than MAX_VERTICES vertices fails before any of its meshes is made.
    bool load(const std::string& fileName, Names& meshNames, Names& materialNames, Names& textureNames,
              std::string& errorLog) override;

private:
    struct ModelLoad;
    // The triangle vertices of each part of one model, in the model's order.
    using PartPoints = std::vector<PolyModel::Points>;

    static bool gatherPoints(const std::vector<PolyModel*>& models, std::vector<PartPoints>& points);

    bool loadModel(const PolyModel& model, PartPoints& points, Names& meshNames, Names& materialNames,
                   std::string& errorLog);
    bool collectParts(const PolyModel& model, PartPoints& points, ModelLoad& load, std::string& errorLog);
    bool fillArray(const PolyModel& model, ModelLoad& load, std::string& errorLog);
    bool addMeshes(const PolyModel& model, const ModelLoad& load, Names& meshNames, Names& materialNames,
                   std::string& errorLog);
};
} // namespace ModelSys
