#include "MatSys/TextureMaker.h"

#include <cstdint>
#include <memory>

#include "MatSys/Texture.h"
#include "MatSys/TextureOptionsMaker.h"
#include "Render/OpenGL.h"
#include "media/TGA.h"

namespace MatSys
{
namespace OGL
{
namespace
{
const std::string TGA_ENDING = ".tga";

bool endsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// The most pixels a texture of this driver can hold: its largest 2-D texture. An image beyond it could not
// be used, so it is not read at all. Without a current context nothing is known, and nothing is refused.
std::uint64_t mostTexturePixels()
{
    GLint side = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
    if (side <= 0)
        return UINT64_MAX;
    return static_cast<std::uint64_t>(side) * static_cast<std::uint64_t>(side);
}
} // namespace

TextureMaker::TextureMaker(const std::string& loadDir)
{
    TextureMaker::setLoadDir(loadDir);
}

void TextureMaker::setLoadDir(const std::string& dir)
{
    m_loadDir = dir;
    if (!m_loadDir.empty() && m_loadDir.back() != '/')
        m_loadDir += '/';
}

I_Texture* TextureMaker::create(const std::string& name)
{
    if (!endsWith(name, TGA_ENDING))
        return nullptr;
    return createFromTGA(name);
}

I_Texture* TextureMaker::createFromTGA(const std::string& name)
{
    unsigned int width = 0, height = 0, bitsPerPixel = 0;
    unsigned char* loaded = nullptr;
    const std::string path = m_loadDir + name;
    if (!Media::TGA::loadFromFile(path.c_str(), &width, &height, &bitsPerPixel, &loaded, mostTexturePixels()))
        return nullptr;
    std::unique_ptr<unsigned char[]> pixels(loaded);
    const std::string stem = name.substr(0, name.find_last_of('.'));
    return create(stem, pixels.get(), bitsPerPixel, width, height);
}

I_Texture* TextureMaker::create(const std::string& name, unsigned char* pixels, unsigned int bitsPerPixel,
                                unsigned int width, unsigned int height)
{
    const TextureOptions options = TextureOptionsMaker().make(name);
    unsigned int depth = 0;
    // A width of 0 cannot be divided by; such an image stays an empty 2-D texture.
    if (!options.is2D && width != 0 && height / width == width)
    {
        depth = width;
        height = width;
    }
    return new Texture(pixels, bitsPerPixel, width, height, depth, options);
}
} // namespace OGL
} // namespace MatSys
