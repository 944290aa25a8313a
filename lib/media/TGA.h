#pragma once

#include <cstdint>

namespace Media
{
// Reads and writes TGA image files. In memory an image is rows of width pixels, the bottom row first,
// without gaps; a pixel is one byte (8 bits), R, G, B (24 bits) or R, G, B, A (32 bits).
class TGA
{
public:
    // Reads a raw or run-length encoded file of 8, 24 or 32 bits. On success *pixels is a new array that
    // the caller frees with delete[]; on failure it is null and nothing else is left allocated. An image of
    // more than maxPixels pixels is refused before its pixels are read: a small run-length file can
    // state an image of gigabytes.
    static bool loadFromFile(const char* path, unsigned int* width, unsigned int* height,
                             unsigned int* bitsPerPixel, unsigned char** pixels,
                             std::uint64_t maxPixels = UINT64_MAX);

    // Writes an uncompressed file of 8, 24 or 32 bits, bottom row first. False on any failure, also for a
    // side that the file's 16-bit header fields cannot state.
    static bool saveToFile(const char* path, unsigned int width, unsigned int height,
                           unsigned int bitsPerPixel, const unsigned char* pixels);

    // A new array of width × height pixels R, G, B, 255 from R, G, B ones; the caller frees it with delete[].
    static unsigned char* RGBtoRGBA(const unsigned char* rgb, unsigned int width, unsigned int height);
};
} // namespace Media
