#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Render/OpenGL.h"
#include "support/GLContext.h"

// TGA files written by the tests and the quad that shows a texture texel by texel.
namespace TextureFiles
{
// Pixels of the screen a texel covers on drawTexelQuad.
const int CELL = 8;

inline std::string le16(unsigned int v)
{
    return std::string(1, static_cast<char>(v & 0xFF)) + static_cast<char>((v >> 8) & 0xFF);
}

// An uncompressed file of pixels given in memory order (bottom row first, R, G, B(, A)); an 8-bit file
// holds the alpha of each.
inline std::string tga(unsigned int width, unsigned int height, unsigned int bits,
                       const std::vector<Testing::Pixel>& pixels)
{
    std::string file;
    file += '\0';
    file += '\0';
    file += static_cast<char>(bits == 8 ? 3 : 2);
    file += std::string(9, '\0');
    file += le16(width) + le16(height);
    file += static_cast<char>(bits);
    file += '\0';
    for (const Testing::Pixel& p : pixels)
    {
        if (bits == 8)
        {
            file += static_cast<char>(p.a);
            continue;
        }
        file += static_cast<char>(p.b);
        file += static_cast<char>(p.g);
        file += static_cast<char>(p.r);
        if (bits == 32)
            file += static_cast<char>(p.a);
    }
    return file;
}

// 5 × 3 texels, all different: a row is 15 bytes, not a multiple of OpenGL's default alignment of 4.
inline std::vector<Testing::Pixel> oddImage()
{
    std::vector<Testing::Pixel> pixels;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            pixels.push_back(Testing::Pixel{static_cast<std::uint8_t>(40 * x + 10),
                                            static_cast<std::uint8_t>(70 * y + 20),
                                            static_cast<std::uint8_t>(13 * x + 31 * y + 5), 255});
    return pixels;
}

// The bound texture over columns × rows cells of CELL pixels from the lower left corner, in pixel
// coordinates (the test sets an orthographic view of the window).
inline void drawTexelQuad(int columns, int rows)
{
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(0, 0);
    glTexCoord2f(1, 0);
    glVertex2f(columns * CELL, 0);
    glTexCoord2f(1, 1);
    glVertex2f(columns * CELL, rows * CELL);
    glTexCoord2f(0, 1);
    glVertex2f(0, rows * CELL);
    glEnd();
}
} // namespace TextureFiles
