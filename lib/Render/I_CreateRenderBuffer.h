#pragma once

#include "Render/I_RenderBuffer.h"

namespace MatSys
{
// A texture's name in the graphics library.
using TextureID = unsigned int;
} // namespace MatSys

namespace Render
{
// The factory of render buffers; the caller owns what it makes.
class I_CreateRenderBuffer
{
public:
    virtual ~I_CreateRenderBuffer() = default;

    virtual I_RenderBuffer* createRenderBuffer(int width, int height, I_RenderBuffer::RBType type,
                                               MatSys::TextureID texture) = 0;
};
} // namespace Render
