#pragma once

#include <cstdint>

namespace Media
{
// Reorders each pixel's bytes between TGA file order (B, G, R, A) and memory order (R, G, B, A); the same
// step serves both directions. Pixels of 1, 3 or 4 bytes; from and to may be the same buffer. False, with
// nothing written, for any other pixel size.
bool swapPixelData(const unsigned char* from, unsigned char* to, std::uint64_t pixelCount,
                   unsigned int bytesPerPixel);
} // namespace Media
