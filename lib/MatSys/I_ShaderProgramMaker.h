#pragma once

#include "MatSys/I_ShaderProgram.h"
#include <string>
#include <vector>

namespace MatSys
{
class ShaderParams;

// Makes programs; null when it cannot. The caller owns what it gets.
class I_ShaderProgramMaker
{
public:
    virtual ~I_ShaderProgramMaker() = default;

    virtual I_ShaderProgram* create(const std::string& name, const ShaderParams& params,
                                    const std::vector<std::string>& shaderNames) = 0;
    virtual I_ShaderProgram* create(const std::string& name, const ShaderParams& params) = 0;
    // From the definition of name in a definition file.
    virtual I_ShaderProgram* create(const std::string& name, const ShaderParams& params,
                                    const std::string& file) = 0;
};
} // namespace MatSys
