// The Ogg Vorbis reader over a file holding the input.
#include <cstddef>
#include <cstdint>

#include "FuzzFiles.h"
#include "sound/OGGFile.h"

// libvorbisfile loses 8 bytes when ov_open gives up on some damaged headers; that leak is not ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:ov_open\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file = FuzzFiles::dir().write("in.ogg", FuzzFiles::text(data, size));
    Media::OGGFile ogg(file.c_str());
    if (ogg.load())
    {
        const int channels = ogg.getNumChannels();
        if ((channels != 1 && channels != 2) || ogg.getRate() <= 0 ||
            ogg.getData().size() % (2 * static_cast<std::size_t>(channels)) != 0)
            __builtin_trap();
    }
    return 0;
}
