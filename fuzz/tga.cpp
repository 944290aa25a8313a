// Feeds arbitrary bytes to the TGA reader as a file. Whatever it accepts must be a whole image of a
// supported depth that the writer saves and the reader loads back unchanged, and that a bound one pixel
// short of it refuses.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>

#include "media/TGA.h"

namespace
{
// A file of this process in the temporary directory, removed again after each input.
class ScratchFile
{
public:
    explicit ScratchFile(const char* ending)
        : m_path("/tmp/orvik-fuzz-tga-" + std::to_string(::getpid()) + ending)
    {
    }
    ~ScratchFile() { std::remove(m_path.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const char* path() const { return m_path.c_str(); }

private:
    std::string m_path;
};

bool writeFile(const std::string& path, const std::uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const ScratchFile input(".in.tga");
    if (!writeFile(input.path(), data, size))
        return 0;
    unsigned int width = 0, height = 0, bits = 0;
    unsigned char* pixels = nullptr;
    const bool loaded = Media::TGA::loadFromFile(input.path(), &width, &height, &bits, &pixels);
    std::unique_ptr<unsigned char[]> owned(pixels);
    if (!loaded)
    {
        check(pixels == nullptr);
        return 0;
    }
    check(pixels != nullptr && width > 0 && height > 0 && width <= 0xFFFF && height <= 0xFFFF);
    check(bits == 8 || bits == 24 || bits == 32);

    const ScratchFile output(".out.tga");
    check(Media::TGA::saveToFile(output.path(), width, height, bits, pixels));
    unsigned int w2 = 0, h2 = 0, b2 = 0;
    unsigned char* again = nullptr;
    check(Media::TGA::loadFromFile(output.path(), &w2, &h2, &b2, &again));
    std::unique_ptr<unsigned char[]> ownedAgain(again);
    check(w2 == width && h2 == height && b2 == bits);
    const size_t bytes = static_cast<size_t>(width) * height * (bits / 8);
    check(std::memcmp(pixels, again, bytes) == 0);

    // The same file bounded one pixel short of its image is refused, and leaves nothing allocated.
    const std::uint64_t count = static_cast<std::uint64_t>(width) * height;
    unsigned char* bounded = nullptr;
    check(!Media::TGA::loadFromFile(input.path(), &w2, &h2, &b2, &bounded, count - 1) && bounded == nullptr);
    return 0;
}
