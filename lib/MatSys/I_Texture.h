#pragma once

#include "Render/I_CreateRenderBuffer.h"

namespace MatSys
{
class TextureOptions;

// An image the graphics library samples, bound to a texture unit while in use.
class I_Texture
{
public:
    virtual ~I_Texture() = default;

    virtual TextureID getID() const = 0;
    virtual void getSize(int& width, int& height, int& depth) const = 0;
    virtual void beginUsing(int unit) const = 0;
    virtual void endUsing(int unit) const = 0;
    // Replaces a rectangle of the image.
    virtual void update(unsigned char* pixels, int x, int y, int width, int height, bool alpha) = 0;
    virtual const TextureOptions& getOptions() const = 0;
    virtual void setOptions(const TextureOptions& options) = 0;
    // Bytes that getImage writes.
    virtual int getImageSize(bool alpha) const = 0;
    virtual void getImage(unsigned char* buffer, bool alpha) const = 0;
};
} // namespace MatSys
