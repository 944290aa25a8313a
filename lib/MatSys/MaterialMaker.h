#pragma once

#include <string>
#include "util/NonCopyable.h"

namespace MatSys
{
class I_ShaderProgram;
class Material;
class ShaderParams;
class ShaderProgramStore;
class TextureStore;

// Builds materials from a program, a program name, a definition in a configuration file or a material
// definition file. Programs come from the program store and textures from the texture store (neither is
// owned); every material made is new and belongs to the caller.
class MaterialMaker : private Util::NonCopyable<MaterialMaker>
{
public:
    // textureStore may be null: materials then bind no textures. Without a program store no material is
    // made from a program name or a definition.
    MaterialMaker(ShaderProgramStore* programStore, TextureStore* textureStore, const std::string& loadDir);
    virtual ~MaterialMaker() = default;

    virtual void setTextureStore(TextureStore* store);
    virtual TextureStore* getTextureStore() const;
    // Kept empty, or ending in "/".
    virtual void setLoadDir(const std::string& dir);
    virtual void setMatdefExt(const std::string& ext);
    virtual const std::string& getMatdefExt() const;

    // Null without a program. The name is not used.
    virtual Material* create(const std::string& name, I_ShaderProgram* program, ShaderParams* params);
    // The program named programName, found or made by the program store.
    virtual Material* create(const std::string& name, const std::string& programName, ShaderParams* params);
    // A name ending in the matdef extension is read from that file in the load directory; any other
    // name is a material of the program of the same name.
    virtual Material* create(const std::string& name, ShaderParams* params);
    // The definition of name in the configuration file. Given parameters win over the definition's.
    virtual Material* create(const std::string& name, ShaderParams* params, const std::string& file);
    // Binds the texture store's textureName to unit, when the store has or can load it. Answers material.
    virtual Material* bindTexture(Material* material, int unit, const std::string& textureName);

private:
    void bindTextures(Material* material, const std::string& items);

    ShaderProgramStore* m_programStore;
    TextureStore* m_textureStore;
    std::string m_loadDir;
    std::string m_matdefExt;
};
} // namespace MatSys
