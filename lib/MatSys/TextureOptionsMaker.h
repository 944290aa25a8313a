#pragma once

#include <string>

#include "MatSys/TextureOptions.h"

namespace MatSys
{
// Reads texture options from the dotted tokens of a texture's name, as in "wall.NEAR.NMIP.tga": 2D or 3D,
// LINR or NEAR, MIP or NMIP, CMP or NCMP, each over the class default, the later token winning. Tokens are
// case-sensitive; every other piece of the name is ignored.
class TextureOptionsMaker
{
public:
    virtual ~TextureOptionsMaker() = default;

    TextureOptions make(std::string name) const;
};
} // namespace MatSys
