#pragma once

#include "MatSys/I_ColorMaker.h"

namespace MatSys
{
namespace OGL
{
// Makes OpenGL colours; the default is transparent black.
class ColorMaker : public I_ColorMaker
{
public:
    ~ColorMaker() override = default;

    I_Color* create() override;
    I_Color* create(const Util::RGBA& rgba) override;
};
} // namespace OGL
} // namespace MatSys
