#include "MatSys/MaterialMaker.h"

#include <vector>

#include "CFG/Info.h"
#include "CFG/Overrides.h"
#include "MatSys/I_ShaderProgram.h"
#include "MatSys/Material.h"
#include "MatSys/ShaderParams.h"
#include "MatSys/ShaderProgramStore.h"
#include "MatSys/TextureStore.h"
#include "util/StringUtil.h"

namespace MatSys
{
namespace
{
bool endsWith(const std::string& text, const std::string& ending)
{
    return !ending.empty() && text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

std::string withoutExtension(const std::string& name)
{
    std::string::size_type dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}
} // namespace

MaterialMaker::MaterialMaker(ShaderProgramStore* programStore, TextureStore* textureStore,
                             const std::string& loadDir)
    : m_programStore(programStore), m_textureStore(textureStore), m_matdefExt(".matdef")
{
    setLoadDir(loadDir);
}

void MaterialMaker::setTextureStore(TextureStore* store)
{
    m_textureStore = store;
}

TextureStore* MaterialMaker::getTextureStore() const
{
    return m_textureStore;
}

void MaterialMaker::setLoadDir(const std::string& dir)
{
    m_loadDir = dir;
    if (!m_loadDir.empty() && m_loadDir[m_loadDir.size() - 1] != '/')
        m_loadDir += "/";
}

void MaterialMaker::setMatdefExt(const std::string& ext)
{
    m_matdefExt = ext;
}

const std::string& MaterialMaker::getMatdefExt() const
{
    return m_matdefExt;
}

Material* MaterialMaker::create(const std::string& name, I_ShaderProgram* program, ShaderParams* params)
{
    (void)name;
    if (program == nullptr)
        return nullptr;
    return new Material(program, params);
}

Material* MaterialMaker::create(const std::string& name, const std::string& programName, ShaderParams* params)
{
    if (m_programStore == nullptr)
        return nullptr;
    I_ShaderProgram* program = m_programStore->get(programName, true);
    if (program == nullptr)
        program = m_programStore->add(programName, params != nullptr ? *params : ShaderParams());
    if (program == nullptr)
        return nullptr;
    return create(name, program, params);
}

Material* MaterialMaker::create(const std::string& name, ShaderParams* params)
{
    if (endsWith(name, m_matdefExt))
        return create(withoutExtension(name), params, m_loadDir + name);
    return create(name, name, params);
}

Material* MaterialMaker::create(const std::string& name, ShaderParams* params, const std::string& file)
{
    if (m_programStore == nullptr)
        return nullptr;
    CFG::Info definition(file, CFG::getDefaultOverrides());
    std::string programName = definition.get(name + "_PROG");
    if (programName.empty())
        programName = name;

    // A program already stored is taken as it is: adding it again would replace the parameters its
    // own definition gave it, which every other material on it relies on.
    I_ShaderProgram* program = m_programStore->get(programName, false);
    if (program == nullptr)
        program = m_programStore->add(programName, ShaderParams(), file);
    if (program == nullptr)
        return nullptr;

    std::vector<std::string> lines;
    Util::splitString(definition.get(name + "_MAT_" + programName + "_PARAMS"), "\n", lines, false, true);
    Material* material = nullptr;
    if (!lines.empty() || params != nullptr)
    {
        ShaderParams set;
        set.add(lines);
        if (params != nullptr)
            set.merge(*params);
        material = create(name, program, &set);
    }
    else
        material = create(name, program, nullptr);

    bindTextures(material, definition.get(name + "_MAT_TEXTURES"));
    return material;
}

void MaterialMaker::bindTextures(Material* material, const std::string& items)
{
    std::vector<std::string> list;
    Util::splitString(items, ",", list, false, true);
    for (const std::string& item : list)
    {
        std::vector<std::string> parts;
        Util::splitString(item, ":", parts, false, true);
        if (parts.size() == 2)
            bindTexture(material, Util::strToNum<int>(parts[0], 10), parts[1]);
    }
}

Material* MaterialMaker::bindTexture(Material* material, int unit, const std::string& textureName)
{
    if (material == nullptr || m_textureStore == nullptr)
        return material;
    I_Texture* texture = m_textureStore->get(textureName, true);
    if (texture != nullptr)
        material->bindTexture(unit, texture);
    return material;
}
} // namespace MatSys
