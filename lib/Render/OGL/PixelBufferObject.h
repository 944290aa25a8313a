#pragma once

#include "Render/I_PixelBuffer.h"
#include "util/NonCopyable.h"

namespace OGL
{
// A pixel-pack or pixel-unpack buffer object; its size reads 0 when it could not be made. getData and
// putData act on the buffer bound to the target, so they belong between beginUsing and endUsing.
class PixelBufferObject : public Render::I_PixelBuffer, private Util::NonCopyable<PixelBufferObject>
{
public:
    explicit PixelBufferObject(int bytes);
    ~PixelBufferObject() override;

    // Whether the pixel-buffer targets and the buffer-object entry points this class calls are there.
    static bool PBOsSupported();

    int getBufferSize() const override;
    void beginUsing(bool pack) const override;
    void endUsing() const override;
    // A range that does not lie wholly inside the buffer moves nothing.
    void getData(void* out, int bytes, int byteOffset) const override;
    void putData(const void* in, int bytes, int byteOffset) override;

private:
    bool holdsRange(int bytes, int byteOffset) const;

    mutable unsigned int target;
    unsigned int buffer;
    int size;
};
} // namespace OGL
