#pragma once

#include "MatSys/I_Texture.h"
#include <string>

namespace MatSys
{

// Makes textures; null when it cannot. The caller owns what it gets.
class I_TextureMaker
{
public:
    virtual ~I_TextureMaker() = default;

    // From pixels in memory, which stay the caller's.
    virtual I_Texture* create(const std::string& name, unsigned char* pixels, unsigned int bitsPerPixel,
                              unsigned int width, unsigned int height) = 0;
    // From the file the name denotes.
    virtual I_Texture* create(const std::string& name) = 0;
};
} // namespace MatSys
