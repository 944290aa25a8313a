#pragma once

#include "Render/I_PixelBuffer.h"

namespace Render
{
// The factory of pixel buffers; the caller owns what it makes.
class I_CreatePixelBuffer
{
public:
    virtual ~I_CreatePixelBuffer() = default;

    virtual I_PixelBuffer* createPixelBuffer(int bytes) = 0;
};
} // namespace Render
