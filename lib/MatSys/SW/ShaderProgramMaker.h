#pragma once

#include "MatSys/I_ShaderProgramMaker.h"

namespace MatSys
{
namespace SW
{
// Makes fixed-function programs from the name and parameters alone: "DEF_COLOR_MAT" and any set holding
// "color4v" get a colour program, "DEF_TEXTURE_MAT" and the rest a texture program. It never fails.
class ShaderProgramMaker : public I_ShaderProgramMaker
{
public:
    static const char* const DEF_COLOR_MAT;
    static const char* const DEF_TEXTURE_MAT;

    ~ShaderProgramMaker() override = default;

    I_ShaderProgram* create(const std::string& name, const ShaderParams& params,
                            const std::vector<std::string>& shaderNames) override;
    I_ShaderProgram* create(const std::string& name, const ShaderParams& params) override;
    I_ShaderProgram* create(const std::string& name, const ShaderParams& params,
                            const std::string& file) override;

private:
    static I_ShaderProgram* choose(const std::string& name, const ShaderParams& params);
};
} // namespace SW
} // namespace MatSys
