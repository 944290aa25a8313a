#pragma once

#include <string>

#include "MatSys/I_ShaderProgramMaker.h"

namespace MatSys
{
class ShaderStore;

namespace OGL
{
// Makes linked GLSL programs from program definitions (shader names and parameter lines) in a
// definition file, from ".prg" definition files in the load directory, or from one shader of the
// program's own name. Shaders come from the shader store, which is not owned.
class ShaderProgramMaker : public I_ShaderProgramMaker
{
public:
    ShaderProgramMaker(ShaderStore* shaderStore, const std::string& loadDir);
    ~ShaderProgramMaker() override = default;

    // Linked from the shaders that can be had; null when none can or linking fails.
    I_ShaderProgram* create(const std::string& name, const ShaderParams& params,
                            const std::vector<std::string>& shaderNames) override;
    // A ".prg" name is read from that file in the load directory; any other is a program of the one
    // shader of its name.
    I_ShaderProgram* create(const std::string& name, const ShaderParams& params) override;
    // The definition of name in file (not prefixed by the load directory); the definition's parameters
    // win over params.
    I_ShaderProgram* create(const std::string& name, const ShaderParams& params,
                            const std::string& file) override;

    // Kept empty, or ending in "/".
    virtual void setLoadDir(const std::string& dir);

private:
    ShaderStore* m_shaderStore;
    std::string m_loadDir;
};
} // namespace OGL
} // namespace MatSys
