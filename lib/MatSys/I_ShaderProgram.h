#pragma once

namespace MatSys
{
class ShaderParams;

// A program that draws with a set of parameters.
class I_ShaderProgram
{
public:
    virtual ~I_ShaderProgram() = default;

    virtual unsigned int getID() const = 0;
    // Makes the program current and applies params, or the program's own set when params is null; false
    // when a parameter could not be applied.
    virtual bool beginUsing(const ShaderParams* params) = 0;
    virtual void endUsing() = 0;
    // The program's own parameters; an empty set when it has none.
    virtual const ShaderParams& getParams() const = 0;
    // Replaces the own parameters with a copy of params.
    virtual bool setParams(const ShaderParams& params) = 0;
};
} // namespace MatSys
