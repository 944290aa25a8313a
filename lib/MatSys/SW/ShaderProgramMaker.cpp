#include "MatSys/SW/ShaderProgramMaker.h"

#include "MatSys/SW/SoftwareColorShaderProgram.h"
#include "MatSys/SW/SoftwareTextureShaderProgram.h"
#include "MatSys/ShaderParams.h"

namespace MatSys
{
namespace SW
{
const char* const ShaderProgramMaker::DEF_COLOR_MAT = "DEF_COLOR_MAT";
const char* const ShaderProgramMaker::DEF_TEXTURE_MAT = "DEF_TEXTURE_MAT";

I_ShaderProgram* ShaderProgramMaker::create(const std::string& name, const ShaderParams& params,
                                            const std::vector<std::string>& shaderNames)
{
    (void)shaderNames;
    return choose(name, params);
}

I_ShaderProgram* ShaderProgramMaker::create(const std::string& name, const ShaderParams& params)
{
    return choose(name, params);
}

I_ShaderProgram* ShaderProgramMaker::create(const std::string& name, const ShaderParams& params,
                                            const std::string& file)
{
    (void)file;
    return choose(name, params);
}

I_ShaderProgram* ShaderProgramMaker::choose(const std::string& name, const ShaderParams& params)
{
    if (name == DEF_COLOR_MAT)
        return new SoftwareColorShaderProgram(params);
    if (name == DEF_TEXTURE_MAT)
        return new SoftwareTextureShaderProgram(params);
    if (params.find(SoftwareShaderProgram::COLOR_PARAM) != nullptr)
        return new SoftwareColorShaderProgram(params);
    return new SoftwareTextureShaderProgram(params);
}
} // namespace SW
} // namespace MatSys
