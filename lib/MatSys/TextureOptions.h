#pragma once

namespace MatSys
{
// How a texture is made: its dimensions, filtering, mipmaps and compression.
class TextureOptions
{
public:
    constexpr TextureOptions(bool is2D, bool linearFilter, bool mipmaps, bool compressed)
        : is2D(is2D), linearFilter(linearFilter), mipmaps(mipmaps), compressed(compressed)
    {
    }
    // A copy of the class default.
    TextureOptions();

    // Replaces the class default for every options object made afterwards.
    static void setDefault(const TextureOptions& options);

    // Cleared, a suitably shaped image becomes a 3-D texture.
    bool is2D;
    // GL_LINEAR filtering; otherwise GL_NEAREST.
    bool linearFilter;
    // Have OpenGL generate mipmap levels.
    bool mipmaps;
    // A compressed internal format.
    bool compressed;

private:
    // Constant-initialised, so options made during static initialisation elsewhere see it set.
    static TextureOptions s_defOpts;
};
} // namespace MatSys
