#pragma once

#include "MatSys/I_Texture.h"
#include "MatSys/TextureOptions.h"
#include "util/NonCopyable.h"

namespace MatSys
{
namespace OGL
{
// One 2-D or 3-D OpenGL texture, uploaded once when made; it keeps no copy of its pixels. Pixels are rows
// of width pixels, bottom row first, without gaps: one byte (an alpha texture), R, G, B or R, G, B, A. A
// depth of 2 or more makes a 3-D texture of that many width × height slices.
class Texture : public I_Texture, private Util::NonCopyable<Texture>
{
public:
    Texture(unsigned char* pixels, unsigned int bitsPerPixel, unsigned int width, unsigned int height,
            unsigned int depth, const TextureOptions& options);
    ~Texture() override;

    TextureID getID() const override;
    void getSize(int& width, int& height, int& depth) const override;
    // Units the driver lacks (negative, or at or beyond its texture image units) are left alone.
    void beginUsing(int unit) const override;
    // Disables the target in that unit; the texture stays bound.
    void endUsing(int unit) const override;
    // update, setOptions and getImage act on the texture bound to the target in the active unit: a
    // caller makes this texture current first, with beginUsing.
    void update(unsigned char* pixels, int x, int y, int width, int height, bool alpha) override;
    const TextureOptions& getOptions() const override;
    void setOptions(const TextureOptions& options) override;
    int getImageSize(bool alpha) const override;
    // The buffer must hold getImageSize(alpha) bytes; exactly that many are written.
    void getImage(unsigned char* buffer, bool alpha) const override;

    // GL_TEXTURE_2D or GL_TEXTURE_3D.
    unsigned int getType() const;
    // Binds the texture and uploads level 0 again from pixels of the texture's size and format.
    void update(unsigned char* pixels);

private:
    void upload();
    void update2D();
    void update3D();

    unsigned char* m_pixels = nullptr;
    unsigned int m_width;
    unsigned int m_height;
    unsigned int m_depth;
    unsigned int m_type;
    unsigned int m_format;
    TextureID m_id = 0;
    TextureOptions m_options;
};
} // namespace OGL
} // namespace MatSys
