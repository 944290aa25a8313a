#pragma once

#include <cstdint>

namespace Util
{
struct RGBA
{
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
    std::uint8_t a;
};
} // namespace Util
