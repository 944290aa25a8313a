#include "models/ModelFileLoaderObj.h"

#include <climits>
#include <string>

#include "Render/I_VertexArray.h"
#include "models/Mesh.h"
#include "models/MeshStore.h"
#include "models/ObjReader.h"
#include "models/TextWords.h"
#include "util/StringUtil.h"

namespace ModelSys
{
namespace
{
// The stem names the meshes: the file name without its ending and directories, and without the load
// options it carries, which are applied to the record.
std::string stemAndOptions(const std::string& fileName, _GLMscene* scene)
{
    std::string stem = fileName;
    const std::string::size_type dot = stem.find_last_of('.');
    if (dot != std::string::npos)
        stem.erase(dot);
    const std::string::size_type slash = stem.find_last_of('/');
    if (slash != std::string::npos)
        stem.erase(0, slash + 1);
    if (endsWith(stem, "_REV"))
    {
        glmReverseWinding(scene);
        stem.erase(stem.size() - 4);
    }
    const std::string::size_type scale = stem.find("_SCALE_");
    if (scale != std::string::npos && scale != 0)
    {
        const float factor = Util::strToNum<float>(stem.substr(scale + 7), 10);
        if (factor != 0.0f)
        {
            glmScale(scene, factor);
            stem.erase(scale);
        }
    }
    return stem;
}

std::string groupName(const char* name)
{
    std::string text = Util::trim(name);
    for (char& c : text)
    {
        if (c == ' ')
            c = '_';
    }
    return text;
}

void fillGroup(const _GLMscene* scene, const _GLMfacegroup* group, Render::I_VertexArray* array)
{
    const bool textured = scene->numtexcoords > 0;
    array->defineVertexInfo(3, Render::I_VertexArray::FLOAT);
    if (textured)
        array->defineTextureInfo(2, Render::I_VertexArray::FLOAT);
    array->beginUsing();
    int offset = 0;
    for (std::uint32_t t = 0; t < group->numtriangles; ++t)
    {
        const _GLMtri& triangle = scene->triangles[group->triangles[t]];
        for (int c = 0; c < 3; ++c)
        {
            array->putVertices(scene->vertices + 3 * triangle.vindices[c], 1, offset);
            offset += 12;
            if (!textured)
                continue;
            // A corner without a texture coordinate (index 0, missing or past the count) gets (0, 0).
            const std::uint32_t index = triangle.tindices[c];
            float uv[2] = {0.0f, 0.0f};
            if (index >= 1 && index <= scene->numtexcoords)
            {
                uv[0] = scene->texcoords[2 * index];
                uv[1] = scene->texcoords[2 * index + 1];
            }
            array->putData(uv, 8, offset);
            offset += 8;
        }
    }
    array->endUsing();
}
} // namespace

ModelFileLoaderObj::ModelFileLoaderObj(MeshStore* meshStore, MatSys::MaterialStore* materialStore,
                                       MatSys::TextureStore* textureStore, const std::string& loadDir)
    : ModelFileLoader(meshStore, materialStore, textureStore, loadDir), impl(new Impl(this))
{
}

ModelFileLoaderObj::~ModelFileLoaderObj()
{
    delete impl;
}

bool ModelFileLoaderObj::load(const std::string& fileName, Names& meshNames, Names& materialNames,
                              Names& textureNames, std::string& errorLog)
{
    const std::string path = getLoadDir() + fileName;
    _GLMscene* scene = glmReadOBJ(path.c_str());
    if (scene == nullptr)
    {
        errorLog = "OBJ: Failed to load: " + path;
        return false;
    }
    const std::string stem = stemAndOptions(fileName, scene);
    GroupLoad load{scene, stem, meshNames, materialNames, textureNames, errorLog};
    bool result = true;
    for (const _GLMfacegroup* group = scene->groups; group != nullptr && result; group = group->next)
        result = loadGroup(load, group);
    glmDelete(scene);
    return result;
}

bool ModelFileLoaderObj::loadGroup(GroupLoad& load, const _GLMfacegroup* group)
{
    const std::string meshName = load.stem + "." + groupName(group->name);
    if (getMeshStore()->exists(meshName) || group->numtriangles == 0)
        return true;
    const std::size_t vertices = 3u * group->numtriangles;
    const std::size_t bytes = vertices * (load.scene->numtexcoords > 0 ? 5u : 3u) * 4u;
    Render::I_VertexArray* array = nullptr;
    if (bytes <= static_cast<std::size_t>(INT_MAX))
        array = getMeshStore()->createVertexArray(static_cast<int>(bytes), true);
    if (array == nullptr)
    {
        load.errorLog +=
            "OBJ: Failed to create VertexArray for " + meshName + " size: " + Util::numToStr(bytes) + "\n";
        return false;
    }
    fillGroup(load.scene, group, array);

    _GLMscene* scene = load.scene;
    _GLMmaterial* material =
        group->material < scene->nummaterials ? &scene->materials[group->material] : nullptr;
    std::string materialName;
    std::string textureName;
    MatSys::Material* chosen = nullptr;
    MatSys::I_Texture* texture = nullptr;
    if (!impl->getMaterial(load.stem, material, materialName, chosen, textureName, texture, load.errorLog))
        return false;
    if (!materialName.empty())
        load.materialNames.push_back(materialName);
    if (!textureName.empty())
        load.textureNames.push_back(textureName);
    Mesh* offered = new Mesh(array, 0, static_cast<int>(vertices), chosen);
    Mesh* stored = getMeshStore()->add(meshName, offered);
    if (stored != offered)
        delete offered; // two groups whose names coincide once blanks are replaced: the first stays
    if (stored == nullptr)
    {
        load.errorLog += "OBJ: Failed to add new Mesh:" + meshName + "\n";
        return false;
    }
    load.meshNames.push_back(meshName);
    return true;
}
} // namespace ModelSys
