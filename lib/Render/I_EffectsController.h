#pragma once

#include "util/RGBA.h"

namespace Render
{
// Blending, depth and fog switches.
class I_EffectsController
{
public:
    virtual ~I_EffectsController() = default;

    virtual void setBlending(bool on) = 0;
    virtual void setDepthTest(bool on) = 0;
    virtual void setDepthMask(bool on) = 0;
    virtual void setFog(bool on) = 0;
    // Start and end are percents of the current far plane.
    virtual void setFogParams(float startPercent, float endPercent, const Util::RGBA& colour) = 0;
};
} // namespace Render
