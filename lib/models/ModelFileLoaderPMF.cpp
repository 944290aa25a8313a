#include "models/ModelFileLoaderPMF.h"

#include <climits>
#include <fstream>
#include <memory>
#include <utility>
#include <vector>

#include "MatSys/MaterialStore.h"
#include "Render/I_VertexArray.h"
#include "models/Mesh.h"
#include "models/MeshStore.h"
#include "models/PolyModelFile.h"
#include "models/TextWords.h"
#include "util/StringUtil.h"

namespace ModelSys
{
// What the part pass gathers for one model.
struct ModelFileLoaderPMF::ModelLoad
{
    struct Part
    {
        std::string meshName;
        PolyModel::Points vertices;
        PolyModel::Points texCoords;
    };

    std::vector<Part> parts;
    std::size_t totalPoints = 0;
    std::size_t totalTex = 0;
    Render::I_VertexArray* array = nullptr;
};

ModelFileLoaderPMF::ModelFileLoaderPMF(MeshStore* meshStore, MatSys::MaterialStore* materialStore,
                                       MatSys::TextureStore* textureStore, const std::string& loadDir)
    : ModelFileLoader(meshStore, materialStore, textureStore, loadDir)
{
}

bool ModelFileLoaderPMF::load(const std::string& fileName, Names& meshNames, Names& materialNames, Names&,
                              std::string& errorLog)
{
    const std::string path = getLoadDir() + fileName;
    // The file reader takes a missing file for an empty one; a mistyped name must not load "well".
    if (!std::ifstream(path).is_open())
    {
        errorLog += "PMF: Failed to load: " + path + "\n";
        return false;
    }
    std::vector<PolyModel*> models;
    {
        PolyModelFile file(path);
        file.makeModels(models);
    }
    std::vector<std::unique_ptr<PolyModel>> owned(models.begin(), models.end());
    std::vector<PartPoints> points;
    if (!gatherPoints(models, points))
    {
        errorLog +=
            "PMF: Too many vertices in: " + path + " (at most " + Util::numToStr(MAX_VERTICES) + ")\n";
        return false;
    }
    bool result = !models.empty();
    for (std::size_t m = 0; m < owned.size(); ++m)
    {
        if (!loadModel(*owned[m], points[m], meshNames, materialNames, errorLog))
        {
            result = false;
            break;
        }
    }
    return result;
}

bool ModelFileLoaderPMF::gatherPoints(const std::vector<PolyModel*>& models, std::vector<PartPoints>& points)
{
    // Counted as they are made, so that a file listing a large part over and over stops at the bound
    // instead of after making all of them; kept, so that no part is cut into triangles twice.
    std::size_t total = 0;
    points.resize(models.size());
    for (std::size_t m = 0; m < models.size(); ++m)
    {
        for (const PolyModel::Part* part : models[m]->getParts())
        {
            points[m].emplace_back();
            part->getPoints(points[m].back());
            total += points[m].back().size();
            if (total > MAX_VERTICES)
                return false;
        }
    }
    return true;
}

bool ModelFileLoaderPMF::loadModel(const PolyModel& model, PartPoints& points, Names& meshNames,
                                   Names& materialNames, std::string& errorLog)
{
    ModelLoad load;
    if (!collectParts(model, points, load, errorLog))
        return false;
    // A model without vertices (every part made before, or no part with triangles) gets nothing, and
    // the models after it still load.
    if (load.totalPoints == 0)
        return true;
    if (!fillArray(model, load, errorLog))
        return false;
    return addMeshes(model, load, meshNames, materialNames, errorLog);
}

bool ModelFileLoaderPMF::collectParts(const PolyModel& model, PartPoints& points, ModelLoad& load,
                                      std::string& errorLog)
{
    load.parts.reserve(model.getParts().size());
    for (std::size_t p = 0; p < model.getParts().size(); ++p)
    {
        const PolyModel::Part* part = model.getParts()[p];
        ModelLoad::Part gathered;
        gathered.meshName = model.name + "." + Util::trim(part->name);
        if (!getMeshStore()->exists(gathered.meshName))
        {
            gathered.vertices = std::move(points[p]);
            gathered.texCoords = part->texCoords;
        }
        const bool earlierTex = load.totalTex > 0;
        load.totalPoints += gathered.vertices.size();
        load.totalTex += gathered.texCoords.size();
        const std::size_t tex = gathered.texCoords.size();
        const std::size_t count = gathered.vertices.size();
        load.parts.push_back(std::move(gathered));
        if ((tex > 0 || earlierTex) && (tex != count || load.totalTex != load.totalPoints))
        {
            errorLog += "PMF: Wrong number of texCoords for part " + part->name +
                        " tex=" + Util::numToStr(tex) + " pnts=" + Util::numToStr(count) +
                        " totalTex=" + Util::numToStr(load.totalTex) +
                        " totalPnts=" + Util::numToStr(load.totalPoints);
            return false;
        }
    }
    return true;
}

bool ModelFileLoaderPMF::fillArray(const PolyModel& model, ModelLoad& load, std::string& errorLog)
{
    const bool textured = load.totalTex > 0;
    const std::size_t bytes = (textured ? 5u : 3u) * 4u * load.totalPoints;
    if (bytes <= static_cast<std::size_t>(INT_MAX))
        load.array = getMeshStore()->createVertexArray(static_cast<int>(bytes), true);
    if (load.array == nullptr)
    {
        errorLog +=
            "PMF: Failed to create VertexArray for " + model.name + " size: " + Util::numToStr(bytes) + "\n";
        return false;
    }
    load.array->defineVertexInfo(3, Render::I_VertexArray::FLOAT);
    if (textured)
        load.array->defineTextureInfo(2, Render::I_VertexArray::FLOAT);
    load.array->beginUsing();
    int offset = 0;
    for (const ModelLoad::Part& part : load.parts)
    {
        for (std::size_t i = 0; i < part.vertices.size(); ++i)
        {
            const float position[3] = {part.vertices[i].x, part.vertices[i].y, part.vertices[i].z};
            load.array->putVertices(position, 1, offset);
            offset += 12;
            if (textured)
            {
                const float uv[2] = {part.texCoords[i].x, part.texCoords[i].y};
                load.array->putData(uv, 8, offset);
                offset += 8;
            }
        }
    }
    load.array->endUsing();
    return true;
}

bool ModelFileLoaderPMF::addMeshes(const PolyModel& model, const ModelLoad& load, Names& meshNames,
                                   Names& materialNames, std::string& errorLog)
{
    bool result = true;
    int first = 0;
    for (std::size_t p = 0; p < load.parts.size(); ++p)
    {
        const PolyModel::Part* part = model.getParts()[p];
        const ModelLoad::Part& gathered = load.parts[p];
        MatSys::Material* material = nullptr;
        if (!part->material.empty())
        {
            MatSys::MaterialStore* materials = getMaterialStore();
            material = materials != nullptr ? materials->get(part->material, true) : nullptr;
            if (material != nullptr)
            {
                const std::string& ext = materials->getMatdefExt();
                materialNames.push_back(endsWith(part->material, ext)
                                            ? part->material.substr(0, part->material.size() - ext.size())
                                            : part->material);
            }
            else
            {
                errorLog += "PMF: Failed to create MATDEF material from: " + part->material + "\n";
                result = false;
            }
        }
        const int count = static_cast<int>(gathered.vertices.size());
        if (!result || count == 0)
            continue;
        Mesh* offered = new Mesh(load.array, first, count, material);
        Mesh* stored = getMeshStore()->add(gathered.meshName, offered);
        if (stored != offered)
            delete offered; // the name was taken by a part listed twice: the first one stays
        if (stored != nullptr)
            meshNames.push_back(gathered.meshName);
        else
        {
            errorLog += "PMF: Failed to add new Mesh:" + gathered.meshName + "\n";
            result = false;
        }
        first += count;
    }
    return result;
}
} // namespace ModelSys
