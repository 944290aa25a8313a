#pragma once

#include <memory>
#include <vector>

namespace Media
{
// An Ogg Vorbis file, decoded whole into memory as signed 16-bit little-endian samples, channels
// interleaved.
class OGGFile
{
public:
    explicit OGGFile(const char* fileName);
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
