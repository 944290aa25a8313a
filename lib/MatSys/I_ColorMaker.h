#pragma once

#include "MatSys/I_Color.h"
#include "util/RGBA.h"

namespace MatSys
{

// Makes colours; the caller owns what it gets.
class I_ColorMaker
{
public:
    virtual ~I_ColorMaker() = default;

    // A colour of the maker's default value.
    virtual I_Color* create() = 0;
    virtual I_Color* create(const Util::RGBA& rgba) = 0;
};
} // namespace MatSys
