#include "MatSys/SW/SoftwareTextureShaderProgram.h"

namespace MatSys
{
namespace SW
{
bool SoftwareTextureShaderProgram::beginUsing(const ShaderParams* params)
{
    applyColor(whichParams(params));
    return true;
}

void SoftwareTextureShaderProgram::endUsing()
{
    restoreColor();
}
} // namespace SW
} // namespace MatSys
