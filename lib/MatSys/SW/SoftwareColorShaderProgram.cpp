#include "MatSys/SW/SoftwareColorShaderProgram.h"

namespace MatSys
{
namespace SW
{
bool SoftwareColorShaderProgram::beginUsing(const ShaderParams* params)
{
    return applyColor(whichParams(params));
}

void SoftwareColorShaderProgram::endUsing()
{
    restoreColor();
}
} // namespace SW
} // namespace MatSys
