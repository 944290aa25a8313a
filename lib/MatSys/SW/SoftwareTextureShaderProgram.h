#pragma once

#include "MatSys/SW/SoftwareShaderProgram.h"

namespace MatSys
{
namespace SW
{
// For textured materials: a colour is optional, so it always answers true.
class SoftwareTextureShaderProgram : public SoftwareShaderProgram
{
public:
    explicit SoftwareTextureShaderProgram(const ShaderParams& params) : SoftwareShaderProgram(params) {}

    bool beginUsing(const ShaderParams* params) override;
    void endUsing() override;
};
} // namespace SW
} // namespace MatSys
