#pragma once

namespace Render
{
// A pixel-pack or pixel-unpack buffer.
class I_PixelBuffer
{
public:
    virtual ~I_PixelBuffer() = default;

    virtual int getBufferSize() const = 0;
    // pack: pixels are read into the buffer; otherwise they are drawn or uploaded from it.
    virtual void beginUsing(bool pack) const = 0;
    virtual void endUsing() const = 0;
    virtual void getData(void* out, int bytes, int byteOffset) const = 0;
    virtual void putData(const void* in, int bytes, int byteOffset) = 0;
};
} // namespace Render
