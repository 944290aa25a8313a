#pragma once

#include <utility>
#include <vector>

namespace MatSys
{
class I_ShaderProgram;
class I_Texture;
class ShaderParams;

// What a mesh is drawn with: a program, the parameters to apply to it and the textures bound to texture
// units while it is in use. The program and the textures belong to their stores; the parameter set is
// the material's own.
class Material
{
public:
    using Binding = std::pair<int, I_Texture*>;
    using Bindings = std::vector<Binding>;

    Material();
    // Takes a copy of params; none when null.
    Material(I_ShaderProgram* program, const ShaderParams* params);
    // The copy has its own copy of the parameter set and shares program and textures.
    Material(const Material& other);
    Material& operator=(const Material& other);
    virtual ~Material();

    // Textures in binding order, then the program with the material's set (null lets the program apply
    // its own). Nothing without a program.
    virtual void beginUsing();
    // Textures in the same order, then the program. Nothing without a program.
    virtual void endUsing();
    // Replaces the own set with a copy of params, or with none.
    virtual void setParams(const ShaderParams* params);
    virtual const ShaderParams* getParams() const;
    // A unit already bound keeps its place in the list with the new texture. A null texture
    // binds nothing.
    virtual void bindTexture(int unit, I_Texture* texture);
    virtual const Bindings& getTextures() const;
    virtual I_ShaderProgram* getProgram() const;

private:
    I_ShaderProgram* m_program;
    ShaderParams* m_params;
    Bindings m_textures;
};
} // namespace MatSys
