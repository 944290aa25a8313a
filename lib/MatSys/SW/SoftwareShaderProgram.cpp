#include "MatSys/SW/SoftwareShaderProgram.h"

#include "MatSys/ShaderParams.h"
#include "Render/OpenGL.h"

namespace MatSys
{
namespace SW
{
const char* const SoftwareShaderProgram::COLOR_PARAM = "color4v";

namespace
{
GLubyte toByte(std::int32_t value)
{
    return static_cast<GLubyte>(value < 0 ? 0 : (value > 255 ? 255 : value));
}
} // namespace

SoftwareShaderProgram::SoftwareShaderProgram(const ShaderParams& params) : m_params(new ShaderParams(params))
{
}

SoftwareShaderProgram::~SoftwareShaderProgram()
{
    delete m_params;
}

unsigned int SoftwareShaderProgram::getID() const
{
    return 1;
}

const ShaderParams& SoftwareShaderProgram::getParams() const
{
    return *m_params;
}

bool SoftwareShaderProgram::setParams(const ShaderParams& params)
{
    // Copy first: params may be the set this program holds.
    ShaderParams* replacement = new ShaderParams(params);
    delete m_params;
    m_params = replacement;
    return true;
}

const ShaderParams* SoftwareShaderProgram::whichParams(const ShaderParams* params) const
{
    return params != nullptr ? params : m_params;
}

bool SoftwareShaderProgram::applyColor(const ShaderParams* set)
{
    const ShaderParam* colour = set->find(COLOR_PARAM);
    if (colour == nullptr)
        return false;
    if (colour->type == "4fv")
    {
        glColor4fv(colour->values.f);
        return true;
    }
    if (colour->type == "4iv")
    {
        // Written as bytes (colour materials of model files carry 0 to 255); as OpenGL integer colours
        // they would draw almost black.
        const std::int32_t* v = colour->values.i;
        glColor4ub(toByte(v[0]), toByte(v[1]), toByte(v[2]), toByte(v[3]));
        return true;
    }
    return false;
}

void SoftwareShaderProgram::restoreColor()
{
    glColor4ub(255, 255, 255, 255);
}
} // namespace SW
} // namespace MatSys
