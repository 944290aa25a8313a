#include "media/TGA.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <memory>
#include <new>

#include "media/SwapPixelData.h"

namespace Media
{
namespace
{
const unsigned int HEADER_SIZE = 18;
// A run-length packet holds at most this many pixels; each costs at least one header byte and one pixel.
const std::uint64_t MAX_PACKET_PIXELS = 128;
const unsigned int MAX_SIDE = 0xFFFF;

using Buffer = std::unique_ptr<unsigned char[]>;

// Reads the file front to back and keeps count of what is left, so that no declared size is trusted
// beyond the end of the file.
class Reader
{
public:
    explicit Reader(const char* path) : in(path, std::ios::binary)
    {
        if (!in)
            return;
        in.seekg(0, std::ios::end);
        const std::streamoff size = in.tellg();
        in.seekg(0, std::ios::beg);
        left = size > 0 ? static_cast<std::uint64_t>(size) : 0;
    }

    bool isOpen() const { return static_cast<bool>(in); }
    std::uint64_t remaining() const { return left; }

    bool bytes(unsigned char* out, std::uint64_t count)
    {
        if (count > left || !in.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(count)))
            return false;
        left -= count;
        return true;
    }

    bool skip(std::uint64_t count)
    {
        if (count > left || !in.seekg(static_cast<std::streamoff>(count), std::ios::cur))
            return false;
        left -= count;
        return true;
    }

private:
    std::ifstream in;
    std::uint64_t left = 0;
};

struct Header
{
    unsigned int idLength = 0;
    unsigned int colorMapType = 0;
    unsigned int imageType = 0;
    unsigned int width = 0;
    unsigned int height = 0;
    unsigned int depth = 0;
    unsigned int descriptor = 0;

    bool runLength() const { return imageType == 10 || imageType == 11; }
    bool topFirst() const { return (descriptor & 0x20) != 0; }
    unsigned int bytesPerPixel() const { return depth / 8; }
    std::uint64_t pixelCount() const { return static_cast<std::uint64_t>(width) * height; }
};

unsigned int le16(const unsigned char* at)
{
    return at[0] | (static_cast<unsigned int>(at[1]) << 8);
}

bool readHeader(Reader& in, Header& header)
{
    unsigned char raw[HEADER_SIZE];
    if (!in.bytes(raw, HEADER_SIZE))
        return false;
    header.idLength = raw[0];
    header.colorMapType = raw[1];
    header.imageType = raw[2];
    header.width = le16(raw + 12);
    header.height = le16(raw + 14);
    header.depth = raw[16];
    header.descriptor = raw[17];
    return in.skip(header.idLength);
}

bool acceptable(const Header& header)
{
    if (header.colorMapType == 1)
        return false;
    if (header.depth != 8 && header.depth != 24 && header.depth != 32)
        return false;
    const unsigned int attributeBits = header.descriptor & 0x0F;
    if (attributeBits != 0 && attributeBits != 8)
        return false;
    return header.width != 0 && header.height != 0;
}

// Whether what is left of the file could hold the image at all, checked before the buffer is allocated
// so that a short file cannot make the reader claim gigabytes.
bool fileCanHold(const Header& header, std::uint64_t remaining)
{
    const std::uint64_t bpp = header.bytesPerPixel();
    if (!header.runLength())
        return remaining >= header.pixelCount() * bpp;
    return header.pixelCount() <= remaining / (1 + bpp) * MAX_PACKET_PIXELS;
}

// Packets that describe more pixels than the image has make the file refused, never write past it.
bool readRunLength(Reader& in, const Header& header, unsigned char* out)
{
    const unsigned int bpp = header.bytesPerPixel();
    const std::uint64_t total = header.pixelCount();
    std::uint64_t done = 0;
    while (done < total)
    {
        unsigned char packet = 0;
        if (!in.bytes(&packet, 1))
            return false;
        const std::uint64_t count = (packet & 0x7Fu) + 1u;
        if (count > total - done)
            return false;
        unsigned char* at = out + done * bpp;
        if ((packet & 0x80) == 0)
        {
            if (!in.bytes(at, count * bpp))
                return false;
        }
        else
        {
            if (!in.bytes(at, bpp))
                return false;
            for (std::uint64_t i = 1; i < count; ++i)
                std::memcpy(at + i * bpp, at, bpp);
        }
        done += count;
    }
    return true;
}

void flipRows(unsigned char* pixels, unsigned int height, std::uint64_t rowBytes)
{
    std::unique_ptr<unsigned char[]> row(new unsigned char[rowBytes]);
    for (unsigned int i = 0; i < height / 2; ++i)
    {
        unsigned char* top = pixels + i * rowBytes;
        unsigned char* bottom = pixels + (height - 1 - i) * rowBytes;
        std::memcpy(row.get(), top, rowBytes);
        std::memcpy(top, bottom, rowBytes);
        std::memcpy(bottom, row.get(), rowBytes);
    }
}

Buffer allocate(std::uint64_t size)
{
    if (size > static_cast<std::uint64_t>(SIZE_MAX))
        return Buffer();
    return Buffer(new (std::nothrow) unsigned char[static_cast<std::size_t>(size)]);
}

bool loadPixels(Reader& in, const Header& header, Buffer& out)
{
    const std::uint64_t size = header.pixelCount() * header.bytesPerPixel();
    if (!fileCanHold(header, in.remaining()))
        return false;
    out = allocate(size);
    if (!out)
        return false;
    const bool read = header.runLength() ? readRunLength(in, header, out.get()) : in.bytes(out.get(), size);
    if (!read)
        return false;
    if (header.topFirst())
        flipRows(out.get(), header.height, static_cast<std::uint64_t>(header.width) * header.bytesPerPixel());
    return swapPixelData(out.get(), out.get(), header.pixelCount(), header.bytesPerPixel());
}

void putLe16(unsigned char* at, unsigned int value)
{
    at[0] = static_cast<unsigned char>(value & 0xFF);
    at[1] = static_cast<unsigned char>((value >> 8) & 0xFF);
}
} // namespace

bool TGA::loadFromFile(const char* path, unsigned int* width, unsigned int* height,
                       unsigned int* bitsPerPixel, unsigned char** pixels, std::uint64_t maxPixels)
{
    if (pixels != nullptr)
        *pixels = nullptr;
    if (path == nullptr || width == nullptr || height == nullptr || bitsPerPixel == nullptr ||
        pixels == nullptr)
        return false;
    Reader in(path);
    Header header;
    if (!in.isOpen() || !readHeader(in, header) || !acceptable(header) || header.pixelCount() > maxPixels)
        return false;
    Buffer buffer;
    if (!loadPixels(in, header, buffer))
        return false;
    *width = header.width;
    *height = header.height;
    *bitsPerPixel = header.depth;
    *pixels = buffer.release();
    return true;
}

bool TGA::saveToFile(const char* path, unsigned int width, unsigned int height, unsigned int bitsPerPixel,
                     const unsigned char* pixels)
{
    if (path == nullptr || width > MAX_SIDE || height > MAX_SIDE)
        return false;
    unsigned int imageType = 0;
    if (bitsPerPixel == 24 || bitsPerPixel == 32)
        imageType = 2;
    else if (bitsPerPixel == 8)
        imageType = 3;
    else
        return false;
    const std::uint64_t pixelCount = static_cast<std::uint64_t>(width) * height;
    const std::uint64_t size = pixelCount * (bitsPerPixel / 8);
    if (pixels == nullptr && size != 0)
        return false;
    Buffer converted = allocate(size);
    if (!converted || !swapPixelData(pixels, converted.get(), pixelCount, bitsPerPixel / 8))
        return false;

    unsigned char header[HEADER_SIZE] = {};
    header[2] = static_cast<unsigned char>(imageType);
    putLe16(header + 12, width);
    putLe16(header + 14, height);
    header[16] = static_cast<unsigned char>(bitsPerPixel);
    header[17] = 8;

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(reinterpret_cast<const char*>(header), HEADER_SIZE);
    out.write(reinterpret_cast<const char*>(converted.get()), static_cast<std::streamsize>(size));
    out.close();
    return !out.fail();
}

unsigned char* TGA::RGBtoRGBA(const unsigned char* rgb, unsigned int width, unsigned int height)
{
    const std::uint64_t pixelCount = static_cast<std::uint64_t>(width) * height;
    if (rgb == nullptr && pixelCount != 0)
        return nullptr;
    Buffer rgba = allocate(pixelCount * 4);
    if (!rgba)
        return nullptr;
    for (std::uint64_t p = 0; p < pixelCount; ++p)
    {
        std::memcpy(rgba.get() + p * 4, rgb + p * 3, 3);
        rgba[p * 4 + 3] = 255;
    }
    return rgba.release();
}
} // namespace Media
