#pragma once

#include <string>

#include "util/RGBA.h"
#include "util/NonCopyable.h"

namespace MatSys
{
class I_Color;
class I_ShaderProgramMaker;
class Material;
class MaterialStore;
class ShaderParams;
class ShaderProgramStore;
class TextureStore;

// The one way into the material system: builds and owns the makers and the four stores, and finds every
// file the system names in the directory of the materials configuration.
class MaterialSystemFacade : private Util::NonCopyable<MaterialSystemFacade>
{
public:
    // With a program maker (which the facade takes over) every program is made by it; without one the
    // GLSL makers and a shader store are built.
    MaterialSystemFacade(const std::string& configPath, I_ShaderProgramMaker* programMaker);
    virtual ~MaterialSystemFacade();

    virtual MaterialStore* getMaterialStore() const;
    virtual TextureStore* getTextureStore() const;
    virtual ShaderProgramStore* getShaderProgramStore() const;
    // The material defined under name in the materials configuration.
    virtual bool addMaterial(const std::string& name);
    // The material defined under name in file (the materials configuration when empty); a stored one is
    // kept, taking a copy of params when they are given. False when it cannot be made.
    virtual bool addMaterial(const std::string& name, ShaderParams* params, const std::string& file);
    // The stored material or null; nothing is made.
    virtual Material* getMaterial(const std::string& name) const;

    // New colours that the caller owns: the default (transparent black), a given value, or text holding
    // one hexadecimal number RRGGBBAA (fewer digits fill from the alpha end; not a number reads 0).
    I_Color* getColor() const;
    I_Color* getColor(const Util::RGBA& rgba) const;
    I_Color* getColor(const std::string& text) const;

    // The path up to and including its last '/'; empty without one.
    static std::string directoryOf(const std::string& path);

private:
    class Impl;
    Impl* m_impl;
    std::string m_configPath;
};
} // namespace MatSys
