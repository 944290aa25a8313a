#include "MatSys/Material.h"
#include "MatSys/MaterialStore.h"
#include "MatSys/MaterialStoreHelper.h"
#include "MatSys/ShaderParams.h"
#include "MatSys/TextureStore.h"
#include "models/ModelFileLoaderObj.h"
#include "models/ObjReader.h"
#include "models/TextWords.h"
#include "util/StringUtil.h"

namespace ModelSys
{
namespace
{
// A colour component as a byte: the part of [0, 1] it reaches, times 255, truncated.
unsigned int toByte(float component)
{
    float clamped = component < 1.0f ? component : 1.0f;
    if (clamped < 0.0f)
        clamped = 0.0f;
    return static_cast<unsigned int>(clamped * 255.0f);
}
} // namespace

ModelFileLoaderObj::Impl::Impl(const ModelFileLoader* ownerIn) : owner(ownerIn) {}

ModelFileLoaderObj::Impl::~Impl() = default;

ModelFileLoaderObj::MaterialType
ModelFileLoaderObj::Impl::getMaterialNameAndType(const _GLMmaterial* material, std::string& name) const
{
    if (material == nullptr)
    {
        name.clear();
        return MAT_NONE;
    }
    if (material->textureFile == nullptr)
    {
        name = material->name;
        return MAT_COLOR;
    }
    name = material->textureFile;
    const MatSys::MaterialStore* materials = owner->getMaterialStore();
    if (materials != nullptr && endsWith(name, materials->getMatdefExt()))
        return MAT_MATDEF;
    return MAT_TEXTURE;
}

bool ModelFileLoaderObj::Impl::getMaterial(const std::string&, _GLMmaterial* material,
                                           std::string& materialName, MatSys::Material*& result,
                                           std::string& textureName, MatSys::I_Texture*& texture,
                                           std::string& errorLog) const
{
    const MaterialType type = getMaterialNameAndType(material, materialName);
    result = nullptr;
    texture = nullptr;
    textureName.clear();
    if (type == MAT_NONE)
        return true;
    MatSys::MaterialStore* materials = owner->getMaterialStore();
    if (materials == nullptr)
    {
        errorLog += "OBJ: No material store for: " + materialName + "\n";
        return false;
    }
    result = materials->get(materialName, false);
    if (result != nullptr)
        return true;
    if (type == MAT_TEXTURE)
        return getTextureMaterial(materialName, result, textureName, texture, errorLog);
    if (type == MAT_COLOR)
        return getColorMaterial(material, materialName, result, errorLog);
    result = materials->get(materialName, true);
    if (result == nullptr)
    {
        errorLog += "OBJ: Failed to create MATDEF material from: " + materialName + "\n";
        return false;
    }
    materialName.erase(materialName.size() - materials->getMatdefExt().size());
    return true;
}

bool ModelFileLoaderObj::Impl::getTextureMaterial(const std::string& materialName, MatSys::Material*& result,
                                                  std::string& textureName, MatSys::I_Texture*& texture,
                                                  std::string& errorLog) const
{
    MatSys::TextureStore* textures = owner->getTextureStore();
    texture = textures != nullptr ? textures->get(materialName, true) : nullptr;
    if (texture == nullptr)
    {
        errorLog += "OBJ: Failed to get texture: " + materialName + "\n";
        return false;
    }
    textureName = materialName;
    result = MatSys::MaterialStoreHelper(owner->getMaterialStore()).addCopy(materialName, "DEF_TEXTURE_MAT");
    if (result == nullptr)
    {
        errorLog += "OBJ: Failed to add DEF_TEXTTURE_MAT material: " + materialName + "\n";
        return false;
    }
    result->bindTexture(0, texture);
    return true;
}

bool ModelFileLoaderObj::Impl::getColorMaterial(const _GLMmaterial* material, std::string& materialName,
                                                MatSys::Material*& result, std::string& errorLog) const
{
    // The specular colour, not the diffuse one, names and paints colour materials.
    unsigned int bytes[4];
    for (int i = 0; i < 4; ++i)
        bytes[i] = toByte(material->specular[i]);
    const unsigned int rgba = (bytes[0] << 24) | (bytes[1] << 16) | (bytes[2] << 8) | bytes[3];
    materialName = "COLOR_" + Util::numToStr(rgba, 16);
    MatSys::MaterialStore* materials = owner->getMaterialStore();
    result = materials->get(materialName, false);
    if (result != nullptr)
        return true;
    result = MatSys::MaterialStoreHelper(materials).addCopy(materialName, "DEF_COLOR_MAT");
    if (result == nullptr)
    {
        errorLog += "OBJ: Failed to add DEF_COLOR_MAT material: " + materialName + "\n";
        return false;
    }
    std::string line = "color4v:4iv = ";
    for (int i = 0; i < 4; ++i)
        line += (i > 0 ? "," : "") + Util::numToStr(bytes[i], 16);
    MatSys::ShaderParams params;
    params.add(line);
    result->setParams(&params);
    return true;
}
} // namespace ModelSys
