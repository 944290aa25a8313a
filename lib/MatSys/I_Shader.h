#pragma once

namespace MatSys
{
// One compiled shader, linked into programs.
class I_Shader
{
public:
    virtual ~I_Shader() = default;

    virtual unsigned int getID() const = 0;
};
} // namespace MatSys
