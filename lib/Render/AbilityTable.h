#pragma once

#include "Render/I_RenderAbilities.h"

namespace Render
{
// An ability id with the name it is published under (prefixed "INFO_").
struct AbilityName
{
    int id;
    const char* name;
};

// Every ability in the order they are published: buffer objects are announced before framebuffer
// objects, so the ids are not in numeric order.
inline constexpr AbilityName ABILITY_TABLE[I_RenderAbilities::ABILITY_COUNT] = {
    {I_RenderAbilities::HAVE_SHADERS, "HAVE_SHADERS"},
    {I_RenderAbilities::HAVE_NPOT_TEXTURES, "HAVE_NPOT_TEXTURES"},
    {I_RenderAbilities::HAVE_RTT, "HAVE_RTT"},
    {I_RenderAbilities::HAVE_VBOS, "HAVE_VBOS"},
    {I_RenderAbilities::HAVE_FBOS, "HAVE_FBOS"},
    {I_RenderAbilities::HAVE_PBOS, "HAVE_PBOS"},
    {I_RenderAbilities::HAVE_FRAME_BLIT, "HAVE_FRAME_BLIT"},
    {I_RenderAbilities::MAX_TEXTURE_SIZE_2D, "MAX_TEXTURE_SIZE_2D"},
    {I_RenderAbilities::MAX_TEXTURE_SIZE_3D, "MAX_TEXTURE_SIZE_3D"},
    {I_RenderAbilities::MAX_RTT_SIZE, "MAX_RTT_SIZE"},
    {I_RenderAbilities::MAX_FBO_SIZE, "MAX_FBO_SIZE"},
    {I_RenderAbilities::MAX_PBO_SIZE, "MAX_PBO_SIZE"},
};
} // namespace Render
