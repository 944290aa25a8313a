#pragma once

namespace Render
{
// A framebuffer to draw into, optionally onto a texture.
class I_RenderBuffer
{
public:
    // Any int can be handed in (unknown kinds make invalid buffers). The framebuffer target (draw and read,
    // read only, draw only) and the storage format; the DEPTH_TEX kinds are depth buffers for drawing onto a
    // texture.
    enum RBType : int
    {
        RBUF_RGB = 1,
        RBUF_RGBA = 2,
        RBUF_DEPTH_TEX = 3,
        RBUF_READ_RGB = 4,
        RBUF_READ_RGBA = 5,
        RBUF_READ_DEPTH_TEX = 6,
        RBUF_DRAW_RGB = 7,
        RBUF_DRAW_RGBA = 8,
        RBUF_DRAW_DEPTH_TEX = 9
    };

    virtual ~I_RenderBuffer() = default;

    virtual bool isValid() const = 0;
    virtual unsigned int getID() const = 0;
    virtual void beginUsing() = 0;
    virtual void endUsing() = 0;
};
} // namespace Render
