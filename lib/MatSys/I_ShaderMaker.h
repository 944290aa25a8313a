#pragma once

#include "MatSys/I_Shader.h"
#include <string>
#include <vector>

namespace MatSys
{

// Makes shaders; null when it cannot. The caller owns what it gets.
class I_ShaderMaker
{
public:
    virtual ~I_ShaderMaker() = default;

    // Appends the shader type names the maker recognises.
    virtual void getTypeStrings(std::vector<std::string>& out) const = 0;
    virtual I_Shader* create(const std::string& name, const std::string& code,
                             const std::vector<std::string>& files) = 0;
    virtual I_Shader* create(const std::string& name) = 0;
    // From the definition of name in a definition file.
    virtual I_Shader* create(const std::string& name, const std::string& file) = 0;
};
} // namespace MatSys
