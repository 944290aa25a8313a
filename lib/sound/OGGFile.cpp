#include "sound/OGGFile.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>

#include <vorbis/vorbisfile.h>

namespace Media
{
struct OGGFile::Impl
{
    std::string fileName;
    std::size_t maxDecodedBytes = 0;
    // The stream description as decoded; its codec set-up belongs to the decoder and is not kept.
    vorbis_info info{};
    std::vector<char> data;
};

OGGFile::OGGFile(const char* fileName, std::size_t maxDecodedBytes) : impl(new Impl)
{
    impl->fileName = fileName ? fileName : "";
    impl->maxDecodedBytes = maxDecodedBytes;
}

namespace
{
// Appends what one read decoded, refusing it before any memory is spent on it when it would pass max.
// The buffer grows by doubling, but never beyond max.
bool append(std::vector<char>& data, const char* bytes, std::size_t count, std::size_t max)
{
    if (count > max - data.size())
        return false;
    const std::size_t needed = data.size() + count;
    if (needed > data.capacity())
        data.reserve(std::min(std::max(needed, 2 * data.capacity()), max));
    data.insert(data.end(), bytes, bytes + count);
    return true;
}
} // namespace

OGGFile::~OGGFile() = default;

bool OGGFile::load()
{
    std::FILE* file = std::fopen(impl->fileName.c_str(), "rb");
    if (!file)
        return false;
    OggVorbis_File vf;
    if (ov_open(file, &vf, nullptr, 0) < 0)
    {
        std::fclose(file);
        return false;
    }
    // From here on the decoder owns the file and ov_clear closes it.
    // After opening a chained file the decoder stands at the start of its second link; the first one
    // would be lost.
    if (ov_streams(&vf) > 1 && ov_raw_seek(&vf, 0) != 0)
    {
        ov_clear(&vf);
        return false;
    }
    const vorbis_info* info = ov_info(&vf, -1);
    if (!info || (info->channels != 1 && info->channels != 2) || info->rate > INT_MAX)
    {
        ov_clear(&vf);
        return false;
    }
    impl->info = *info;
    impl->info.codec_setup = nullptr;

    bool ok = true;
    std::vector<char> data;
    char buffer[32768];
    for (;;)
    {
        int bitstream = 0;
        const long got = ov_read(&vf, buffer, sizeof buffer, 0, 2, 1, &bitstream);
        if (got == 0)
            break;
        // A hole is a gap in the stream (a lost or damaged page); the decoder resumes after it.
        if (got == OV_HOLE)
            continue;
        if (got < 0)
        {
            ok = false;
            break;
        }
        // A chained file may change its layout between links; one buffer can only hold one layout.
        const vorbis_info* link = ov_info(&vf, bitstream);
        if (!link || link->channels != impl->info.channels || link->rate != impl->info.rate)
        {
            ok = false;
            break;
        }
        if (!append(data, buffer, static_cast<std::size_t>(got), impl->maxDecodedBytes))
        {
            // A refused stream keeps none of its (large) decoded part.
            std::vector<char>().swap(data);
            ok = false;
            break;
        }
    }
    ov_clear(&vf);
    impl->data.swap(data);
    return ok;
}

int OGGFile::getNumChannels() const
{
    return impl->info.channels;
}

int OGGFile::getRate() const
{
    return static_cast<int>(impl->info.rate);
}

const std::vector<char>& OGGFile::getData() const
{
    return impl->data;
}
} // namespace Media
