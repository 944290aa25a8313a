#include "MatSys/Material.h"

#include <algorithm>

#include "MatSys/I_ShaderProgram.h"
#include "MatSys/I_Texture.h"
#include "MatSys/ShaderParams.h"
#include "util/FirstEquals.h"

namespace MatSys
{
namespace
{
ShaderParams* copyOf(const ShaderParams* params)
{
    return params != nullptr ? new ShaderParams(*params) : nullptr;
}
} // namespace

Material::Material() : m_program(nullptr), m_params(nullptr) {}

Material::Material(I_ShaderProgram* program, const ShaderParams* params)
    : m_program(program), m_params(copyOf(params))
{
}

Material::Material(const Material& other)
    : m_program(other.m_program), m_params(copyOf(other.m_params)), m_textures(other.m_textures)
{
}

Material& Material::operator=(const Material& other)
{
    if (&other != this)
    {
        setParams(other.m_params);
        m_program = other.m_program;
        m_textures = other.m_textures;
    }
    return *this;
}

Material::~Material()
{
    delete m_params;
}

void Material::beginUsing()
{
    if (m_program == nullptr)
        return;
    for (const Binding& binding : m_textures)
        binding.second->beginUsing(binding.first);
    m_program->beginUsing(m_params);
}

void Material::endUsing()
{
    if (m_program == nullptr)
        return;
    for (const Binding& binding : m_textures)
        binding.second->endUsing(binding.first);
    m_program->endUsing();
}

void Material::setParams(const ShaderParams* params)
{
    // Copy first: params may be the set this material holds.
    ShaderParams* replacement = copyOf(params);
    delete m_params;
    m_params = replacement;
}

const ShaderParams* Material::getParams() const
{
    return m_params;
}

void Material::bindTexture(int unit, I_Texture* texture)
{
    // A null texture would be called when the material is begun.
    if (texture == nullptr)
        return;
    const Util::first_equals<int, I_Texture*> sameUnit;
    Bindings::iterator pos = std::find_if(m_textures.begin(), m_textures.end(),
                                          [&](const Binding& binding) { return sameUnit(binding, unit); });
    if (pos != m_textures.end())
        pos->second = texture;
    else
        m_textures.push_back(Binding(unit, texture));
}

const Material::Bindings& Material::getTextures() const
{
    return m_textures;
}

I_ShaderProgram* Material::getProgram() const
{
    return m_program;
}
} // namespace MatSys
