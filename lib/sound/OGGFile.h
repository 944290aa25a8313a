#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace Media
{
// An Ogg Vorbis file, decoded whole into memory as signed 16-bit little-endian samples, channels
// interleaved.
class OGGFile
{
public:
    // Fifteen minutes of 48 kHz stereo: far more than any sound of the game, far less than a small file of
    // tiny packets can decode to.
    static constexpr std::size_t MAX_DECODED_BYTES = 15ul * 60 * 48000 * 2 * 2;

    // A stream that would decode to more than maxDecodedBytes is refused.
    explicit OGGFile(const char* fileName, std::size_t maxDecodedBytes = MAX_DECODED_BYTES);
    ~OGGFile();
    OGGFile(const OGGFile&) = delete;
    OGGFile& operator=(const OGGFile&) = delete;

    // Decodes the file; the getters are only meaningful after it answered true.
    bool load();

    int getNumChannels() const;
    int getRate() const;
    const std::vector<char>& getData() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};
} // namespace Media
