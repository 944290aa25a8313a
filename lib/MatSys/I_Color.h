#pragma once

#include "util/RGBA.h"

namespace MatSys
{
// One colour that can become the current drawing colour.
class I_Color
{
public:
    I_Color() : m_rgba{0, 0, 0, 0} {}
    explicit I_Color(const Util::RGBA& rgba) : m_rgba(rgba) {}
    virtual ~I_Color() = default;

    virtual Util::RGBA& RGBA() { return m_rgba; }
    virtual const Util::RGBA& RGBA() const { return m_rgba; }
    virtual void use() const = 0;

private:
    Util::RGBA m_rgba;
};
} // namespace MatSys
