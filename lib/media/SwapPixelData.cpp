#include "media/SwapPixelData.h"

namespace Media
{
namespace
{
// One row per pixel size (1, 3, 4 bytes): memory byte c is file byte offset[c].
const unsigned int l_copyOffsets[3][4] = {{0, 0, 0, 0}, {2, 1, 0, 0}, {2, 1, 0, 3}};

const unsigned int* offsetsFor(unsigned int bytesPerPixel)
{
    switch (bytesPerPixel)
    {
    case 1:
        return l_copyOffsets[0];
    case 3:
        return l_copyOffsets[1];
    case 4:
        return l_copyOffsets[2];
    default:
        return nullptr;
    }
}
} // namespace

bool swapPixelData(const unsigned char* from, unsigned char* to, std::uint64_t pixelCount,
                   unsigned int bytesPerPixel)
{
    const unsigned int* offsets = offsetsFor(bytesPerPixel);
    if (offsets == nullptr)
        return false;
    for (std::uint64_t p = 0; p < pixelCount; ++p)
    {
        // A copy of the pixel first, so that converting a buffer into itself works.
        unsigned char pixel[4];
        const unsigned char* source = from + p * bytesPerPixel;
        for (unsigned int c = 0; c < bytesPerPixel; ++c)
            pixel[c] = source[c];
        unsigned char* target = to + p * bytesPerPixel;
        for (unsigned int c = 0; c < bytesPerPixel; ++c)
            target[c] = pixel[offsets[c]];
    }
    return true;
}
} // namespace Media
