#include "sound/WAVFile.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>

namespace Media
{
struct WAVFile::Impl
{
    std::string fileName;
    int audioFormat = 0;
    int numChannels = 0;
    int rate = 0;
    int bitsPerSample = 0;
    std::vector<char> data;
};

namespace
{
// Reads the file front to back and keeps count of what is left, so that no declared size is trusted
// beyond the end of the file.
class Reader
{
public:
    explicit Reader(const std::string& fileName) : in(fileName, std::ios::binary)
    {
        if (in)
        {
            in.seekg(0, std::ios::end);
            const std::streamoff size = in.tellg();
            in.seekg(0, std::ios::beg);
            left = size > 0 ? static_cast<std::uint64_t>(size) : 0;
        }
    }

    bool isOpen() const { return static_cast<bool>(in); }
    std::uint64_t remaining() const { return left; }

    bool bytes(char* out, std::uint64_t count)
    {
        if (count > left || !in.read(out, static_cast<std::streamsize>(count)))
            return false;
        left -= count;
        return true;
    }

    bool tag(const char* expected)
    {
        char id[4];
        return bytes(id, 4) && std::memcmp(id, expected, 4) == 0;
    }

    bool u16(std::uint32_t& value)
    {
        unsigned char b[2];
        if (!bytes(reinterpret_cast<char*>(b), 2))
            return false;
        value = b[0] | (static_cast<std::uint32_t>(b[1]) << 8);
        return true;
    }

    bool u32(std::uint32_t& value)
    {
        unsigned char b[4];
        if (!bytes(reinterpret_cast<char*>(b), 4))
            return false;
        value = b[0] | (static_cast<std::uint32_t>(b[1]) << 8) | (static_cast<std::uint32_t>(b[2]) << 16) |
                (static_cast<std::uint32_t>(b[3]) << 24);
        return true;
    }

    bool skip(std::uint64_t count)
    {
        if (count > left || !in.seekg(static_cast<std::streamoff>(count), std::ios::cur))
            return false;
        left -= count;
        return true;
    }

    // A chunk of odd size is followed by a pad byte that is not part of it.
    bool skipChunk(std::uint32_t size) { return skip(static_cast<std::uint64_t>(size) + (size & 1u)); }

private:
    std::ifstream in;
    std::uint64_t left = 0;
};
} // namespace

WAVFile::WAVFile(const char* fileName) : impl(new Impl)
{
    impl->fileName = fileName ? fileName : "";
}

WAVFile::~WAVFile() = default;

bool WAVFile::load()
{
    Reader in(impl->fileName);
    std::uint32_t riffSize = 0;
    if (!in.isOpen() || !in.tag("RIFF") || !in.u32(riffSize) || !in.tag("WAVE"))
        return false;

    // The format chunk must come first.
    std::uint32_t fmtSize = 0;
    if (!in.tag("fmt ") || !in.u32(fmtSize) || fmtSize < 16)
        return false;
    std::uint32_t format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    if (!in.u16(format) || !in.u16(channels) || !in.u32(rate) || !in.u32(byteRate) || !in.u16(blockAlign) ||
        !in.u16(bits))
        return false;
    if (format != 1)
        return false;
    // Only these layouts have an OpenAL format; anything else would play as noise.
    if ((channels != 1 && channels != 2) || (bits != 8 && bits != 16))
        return false;
    // The rest of a longer format chunk (an 18-byte one, say) holds nothing needed here.
    if (!in.skip(static_cast<std::uint64_t>(fmtSize - 16) + (fmtSize & 1u)))
        return false;

    std::uint32_t dataSize = 0;
    for (;;)
    {
        char id[4];
        std::uint32_t size = 0;
        if (!in.bytes(id, 4) || !in.u32(size))
            return false;
        if (std::memcmp(id, "data", 4) == 0)
        {
            dataSize = size;
            break;
        }
        if (!in.skipChunk(size))
            return false;
    }
    // Refused before anything is allocated, however large the declared size.
    if (dataSize > in.remaining())
        return false;

    std::vector<char> data(dataSize);
    if (dataSize > 0 && !in.bytes(data.data(), dataSize))
        return false;

    impl->audioFormat = static_cast<int>(format);
    impl->numChannels = static_cast<int>(channels);
    impl->rate = static_cast<int>(rate);
    impl->bitsPerSample = static_cast<int>(bits);
    impl->data.swap(data);
    return true;
}

int WAVFile::getNumChannels() const
{
    return impl->numChannels;
}

int WAVFile::getRate() const
{
    return impl->rate;
}

int WAVFile::getBitsPerSample() const
{
    return impl->bitsPerSample;
}

const std::vector<char>& WAVFile::getData() const
{
    return impl->data;
}
} // namespace Media
