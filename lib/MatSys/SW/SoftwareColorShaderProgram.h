#pragma once

#include "MatSys/SW/SoftwareShaderProgram.h"

namespace MatSys
{
namespace SW
{
// For plain coloured materials: answers false when it has no colour it can apply.
class SoftwareColorShaderProgram : public SoftwareShaderProgram
{
public:
    explicit SoftwareColorShaderProgram(const ShaderParams& params) : SoftwareShaderProgram(params) {}

    bool beginUsing(const ShaderParams* params) override;
    void endUsing() override;
};
} // namespace SW
} // namespace MatSys
