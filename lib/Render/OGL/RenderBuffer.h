#pragma once

#include "Render/I_CreateRenderBuffer.h"
#include "Render/I_RenderBuffer.h"
#include "util/NonCopyable.h"

namespace OGL
{
// A framebuffer object to draw into: a colour renderbuffer, or a depth renderbuffer with a texture as
// the colour buffer. One that could not be made or completed reports itself invalid.
class RenderBuffer : public Render::I_RenderBuffer, private Util::NonCopyable<RenderBuffer>
{
public:
    // A kind outside RBUF_RGB to RBUF_DRAW_DEPTH_TEX makes an invalid buffer.
    RenderBuffer(int width, int height, Render::I_RenderBuffer::RBType type, MatSys::TextureID texture);
    ~RenderBuffer() override;

    bool isValid() const override;
    unsigned int getID() const override;
    void beginUsing() override;
    void endUsing() override;

    // The largest renderbuffer side the driver takes; 0 without framebuffer objects.
    static int getMaxSize();
    // Whether the framebuffer-object entry points this class calls are there.
    static bool FBOsSupported();

private:
    bool makeObjects(unsigned int format);

    int width;
    int height;
    unsigned int framebuffer;
    unsigned int renderbuffer;
    MatSys::TextureID texture;
    unsigned int target;
};
} // namespace OGL
