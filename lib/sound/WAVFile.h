#pragma once

#include <memory>
#include <vector>

#include "util/NonCopyable.h"

namespace Media
{
// An uncompressed PCM RIFF WAVE file, read whole into memory.
class WAVFile : private Util::NonCopyable<WAVFile>
{
public:
    explicit WAVFile(const char* fileName);
    ~WAVFile();

    // Reads the file; the getters are only meaningful after it answered true.
    bool load();

    int getNumChannels() const;
    int getRate() const;
    int getBitsPerSample() const;
    // The sample bytes exactly as they stand in the file's "data" chunk.
    const std::vector<char>& getData() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};
} // namespace Media
