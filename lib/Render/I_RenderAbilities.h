#pragma once

namespace Render
{
// What the graphics driver can do, by ability id (0 to 11); a value may be forced.
class I_RenderAbilities
{
public:
    enum AbilityId
    {
        HAVE_SHADERS = 0,
        HAVE_NPOT_TEXTURES = 1,
        HAVE_RTT = 2,
        HAVE_FBOS = 3,
        HAVE_VBOS = 4,
        HAVE_PBOS = 5,
        HAVE_FRAME_BLIT = 6,
        MAX_TEXTURE_SIZE_2D = 7,
        MAX_TEXTURE_SIZE_3D = 8,
        MAX_RTT_SIZE = 9,
        MAX_FBO_SIZE = 10,
        MAX_PBO_SIZE = 11,
        ABILITY_COUNT = 12
    };

    virtual ~I_RenderAbilities() = default;

    virtual int getAbility(int id) = 0;
    virtual void setAbility(int id, int value) = 0;
};
} // namespace Render
