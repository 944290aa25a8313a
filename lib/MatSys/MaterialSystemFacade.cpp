#include "MatSys/MaterialSystemFacade.h"

#include "MatSys/ColorMaker.h"
#include "MatSys/Material.h"
#include "MatSys/MaterialMaker.h"
#include "MatSys/MaterialStore.h"
#include "MatSys/ShaderMaker.h"
#include "MatSys/ShaderProgramMaker.h"
#include "MatSys/ShaderProgramStore.h"
#include "MatSys/ShaderStore.h"
#include "MatSys/TextureMaker.h"
#include "MatSys/TextureStore.h"
#include "util/StringUtil.h"
#include "util/NonCopyable.h"

namespace MatSys
{
// Everything the facade owns, deleted in the order listed: materials go before the textures they bind,
// and a store never calls its maker while it is deleted.
class MaterialSystemFacade::Impl : private Util::NonCopyable<MaterialSystemFacade::Impl>
{
public:
    Impl(const std::string& dir, I_ShaderProgramMaker* givenProgramMaker);
    virtual ~Impl();

    I_ColorMaker* colorMaker = nullptr;
    I_ShaderMaker* shaderMaker = nullptr;
    ShaderStore* shaderStore = nullptr;
    I_ShaderProgramMaker* programMaker = nullptr;
    ShaderProgramStore* programStore = nullptr;
    MaterialMaker* materialMaker = nullptr;
    MaterialStore* materialStore = nullptr;
    I_TextureMaker* textureMaker = nullptr;
    TextureStore* textureStore = nullptr;
};

MaterialSystemFacade::Impl::Impl(const std::string& dir, I_ShaderProgramMaker* givenProgramMaker)
{
    colorMaker = new OGL::ColorMaker();
    if (givenProgramMaker == nullptr)
    {
        shaderMaker = new OGL::ShaderMaker(dir);
        shaderStore = new ShaderStore(shaderMaker);
        programMaker = new OGL::ShaderProgramMaker(shaderStore, dir);
    }
    else
        programMaker = givenProgramMaker;
    programStore = new ShaderProgramStore(programMaker);
    textureMaker = new OGL::TextureMaker(dir);
    textureStore = new TextureStore(textureMaker);
    materialMaker = new MaterialMaker(programStore, textureStore, dir);
    materialStore = new MaterialStore(materialMaker);
}

MaterialSystemFacade::Impl::~Impl()
{
    delete colorMaker;
    delete shaderMaker;
    delete shaderStore;
    delete programMaker;
    delete programStore;
    delete materialMaker;
    delete materialStore;
    delete textureMaker;
    delete textureStore;
}

std::string MaterialSystemFacade::directoryOf(const std::string& path)
{
    const std::string::size_type slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

MaterialSystemFacade::MaterialSystemFacade(const std::string& configPath, I_ShaderProgramMaker* programMaker)
    : m_impl(nullptr), m_configPath(configPath)
{
    m_impl = new Impl(directoryOf(configPath), programMaker);
}

MaterialSystemFacade::~MaterialSystemFacade()
{
    delete m_impl;
}

MaterialStore* MaterialSystemFacade::getMaterialStore() const
{
    return m_impl->materialStore;
}

TextureStore* MaterialSystemFacade::getTextureStore() const
{
    return m_impl->textureStore;
}

ShaderProgramStore* MaterialSystemFacade::getShaderProgramStore() const
{
    return m_impl->programStore;
}

bool MaterialSystemFacade::addMaterial(const std::string& name)
{
    return addMaterial(name, nullptr, "");
}

bool MaterialSystemFacade::addMaterial(const std::string& name, ShaderParams* params, const std::string& file)
{
    return m_impl->materialStore->add(name, params, file.empty() ? m_configPath : file) != nullptr;
}

Material* MaterialSystemFacade::getMaterial(const std::string& name) const
{
    return m_impl->materialStore->get(name, false);
}

I_Color* MaterialSystemFacade::getColor() const
{
    return m_impl->colorMaker->create();
}

I_Color* MaterialSystemFacade::getColor(const Util::RGBA& rgba) const
{
    return m_impl->colorMaker->create(rgba);
}

I_Color* MaterialSystemFacade::getColor(const std::string& text) const
{
    const unsigned long value = Util::strToNum<unsigned long>(text, 16);
    const Util::RGBA rgba{
        static_cast<std::uint8_t>((value >> 24) & 0xFF), static_cast<std::uint8_t>((value >> 16) & 0xFF),
        static_cast<std::uint8_t>((value >> 8) & 0xFF), static_cast<std::uint8_t>(value & 0xFF)};
    return m_impl->colorMaker->create(rgba);
}
} // namespace MatSys
