#pragma once

#include "MatSys/I_Color.h"

namespace MatSys
{
namespace OGL
{
// A colour that becomes the current OpenGL colour.
class Color : public I_Color
{
public:
    // Transparent black.
    Color() = default;
    explicit Color(const Util::RGBA& rgba) : I_Color(rgba) {}
    ~Color() override = default;

    void use() const override;
};
} // namespace OGL
} // namespace MatSys
