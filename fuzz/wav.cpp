// The WAV reader over a file holding the input.
#include <cstddef>
#include <cstdint>

#include "FuzzFiles.h"
#include "sound/WAVFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file = FuzzFiles::dir().write("in.wav", FuzzFiles::text(data, size));
    Media::WAVFile wav(file.c_str());
    if (wav.load())
    {
        // What a loaded file promises: a layout OpenAL can play.
        const int channels = wav.getNumChannels();
        const int bits = wav.getBitsPerSample();
        if ((channels != 1 && channels != 2) || (bits != 8 && bits != 16) || wav.getData().size() > size)
            __builtin_trap();
    }
    return 0;
}
