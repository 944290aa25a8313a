#include "MatSys/Texture.h"

#include "Render/OpenGL.h"
#include "util/NonCopyable.h"

namespace MatSys
{
namespace OGL
{
namespace
{
// OpenGL's default row alignment of 4 bytes does not fit packed rows of 1- or 3-byte pixels: it would
// skew the image and read or write past the buffer. Alignment 1 for the scope, the caller's afterwards.
class PixelAlignment : private Util::NonCopyable<PixelAlignment>
{
public:
    explicit PixelAlignment(GLenum which) : m_which(which)
    {
        glGetIntegerv(m_which, &m_previous);
        glPixelStorei(m_which, 1);
    }
    ~PixelAlignment() { glPixelStorei(m_which, m_previous); }

private:
    GLenum m_which;
    GLint m_previous = 4;
};

void drainErrors()
{
    while (glGetError() != GL_NO_ERROR)
    {
    }
}

// glActiveTexture refuses a unit the driver lacks, and what follows would then land on whichever unit
// was active before.
bool unitExists(int unit)
{
    if (unit < 0)
        return false;
    GLint units = 0;
    glGetIntegerv(GL_MAX_COMBINED_TEXTURE_IMAGE_UNITS, &units);
    return unit < units;
}

GLenum formatFor(unsigned int bitsPerPixel)
{
    if (bitsPerPixel == 24)
        return GL_RGB;
    if (bitsPerPixel == 32)
        return GL_RGBA;
    return GL_ALPHA;
}

GLint filterFor(const TextureOptions& options)
{
    return options.linearFilter ? GL_LINEAR : GL_NEAREST;
}
} // namespace

Texture::Texture(unsigned char* pixels, unsigned int bitsPerPixel, unsigned int width, unsigned int height,
                 unsigned int depth, const TextureOptions& options)
    : m_pixels(pixels), m_width(width), m_height(height), m_depth(depth),
      m_type(depth < 2 ? GL_TEXTURE_2D : GL_TEXTURE_3D), m_format(formatFor(bitsPerPixel)), m_options(options)
{
    upload();
    m_pixels = nullptr;
}

Texture::~Texture()
{
    if (m_id != 0)
        glDeleteTextures(1, &m_id);
}

void Texture::upload()
{
    glGenTextures(1, &m_id);
    glBindTexture(m_type, m_id);
    const GLint filter = filterFor(m_options);
    glTexParameteri(m_type, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(m_type, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(m_type, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(m_type, GL_TEXTURE_WRAP_T, GL_REPEAT);
    if (m_type == GL_TEXTURE_3D)
    {
        glTexParameteri(m_type, GL_TEXTURE_WRAP_R, GL_REPEAT);
        update3D();
    }
    else
    {
        if (m_options.mipmaps)
            glTexParameteri(m_type, GL_GENERATE_MIPMAP, GL_TRUE);
        update2D();
    }
    drainErrors();
}

void Texture::update2D()
{
    GLint internalFormat = GL_RGBA;
    if (m_format == GL_ALPHA)
        internalFormat = GL_ALPHA8;
    else if (m_options.compressed)
        internalFormat = GL_COMPRESSED_RGBA;
    PixelAlignment unpack(GL_UNPACK_ALIGNMENT);
    glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, m_width, m_height, 0, m_format, GL_UNSIGNED_BYTE,
                 m_pixels);
}

void Texture::update3D()
{
    PixelAlignment unpack(GL_UNPACK_ALIGNMENT);
    glTexImage3D(GL_TEXTURE_3D, 0, GL_RGBA, m_width, m_height, m_depth, 0, m_format, GL_UNSIGNED_BYTE,
                 m_pixels);
}

void Texture::update(unsigned char* pixels)
{
    glBindTexture(m_type, m_id);
    m_pixels = pixels;
    if (m_type == GL_TEXTURE_3D)
        update3D();
    else
        update2D();
    m_pixels = nullptr;
}

TextureID Texture::getID() const
{
    return m_id;
}

unsigned int Texture::getType() const
{
    return m_type;
}

void Texture::getSize(int& width, int& height, int& depth) const
{
    width = static_cast<int>(m_width);
    height = static_cast<int>(m_height);
    depth = static_cast<int>(m_depth);
}

void Texture::beginUsing(int unit) const
{
    if (!unitExists(unit))
        return;
    glActiveTexture(GL_TEXTURE0 + unit);
    glClientActiveTexture(GL_TEXTURE0 + unit);
    glBindTexture(m_type, m_id);
    glEnable(m_type);
}

void Texture::endUsing(int unit) const
{
    if (!unitExists(unit))
        return;
    glActiveTexture(GL_TEXTURE0 + unit);
    glClientActiveTexture(GL_TEXTURE0 + unit);
    glDisable(m_type);
}

void Texture::update(unsigned char* pixels, int x, int y, int width, int height, bool alpha)
{
    PixelAlignment unpack(GL_UNPACK_ALIGNMENT);
    glTexSubImage2D(m_type, 0, x, y, width, height, alpha ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE, pixels);
}

const TextureOptions& Texture::getOptions() const
{
    return m_options;
}

void Texture::setOptions(const TextureOptions& options)
{
    m_options = options;
    const GLint filter = filterFor(m_options);
    glTexParameteri(m_type, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(m_type, GL_TEXTURE_MIN_FILTER, filter);
}

int Texture::getImageSize(bool alpha) const
{
    const unsigned int slices = m_depth == 0 ? 1 : m_depth;
    return static_cast<int>(m_width * m_height * slices * (alpha ? 4u : 3u));
}

void Texture::getImage(unsigned char* buffer, bool alpha) const
{
    PixelAlignment pack(GL_PACK_ALIGNMENT);
    glGetTexImage(m_type, 0, alpha ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE, buffer);
}
} // namespace OGL
} // namespace MatSys
