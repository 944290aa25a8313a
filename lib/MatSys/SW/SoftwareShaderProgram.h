#pragma once

#include "MatSys/I_ShaderProgram.h"
#include "util/NonCopyable.h"

namespace MatSys
{
namespace SW
{
// A fixed-function program: it only sets the current colour from the parameter "color4v" and leaves
// opaque white behind. Textures are bound around it by the material.
class SoftwareShaderProgram : public I_ShaderProgram, private Util::NonCopyable<SoftwareShaderProgram>
{
public:
    static const char* const COLOR_PARAM;

    explicit SoftwareShaderProgram(const ShaderParams& params);
    ~SoftwareShaderProgram() override;

    // Every fixed-function program is 1.
    unsigned int getID() const override;
    const ShaderParams& getParams() const override;
    bool setParams(const ShaderParams& params) override;

protected:
    // params, or the own set when params is null.
    const ShaderParams* whichParams(const ShaderParams* params) const;
    // Makes "color4v" of the set the current colour; false when there is none of a type it can apply
    // ("4fv" floats 0 to 1, "4iv" bytes 0 to 255, each clamped).
    static bool applyColor(const ShaderParams* set);
    // Opaque white.
    static void restoreColor();

private:
    ShaderParams* m_params;
};
} // namespace SW
} // namespace MatSys
