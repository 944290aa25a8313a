#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

#include "SoundFixtures.h"
#include "sound/OGGFile.h"
#include "sound/WAVFile.h"
#include "support/LimitedChild.h"
#include "support/TempDir.h"

using namespace SoundFixtures;

namespace
{
struct Malformed
{
    const char* what;
    std::string bytes;
};

// Each file is read in a child process with a time and memory limit: it may be refused or read, but the
// reader must end by itself, within the limits.
template <class Reader> void readEach(const std::vector<Malformed>& files, const char* extension)
{
    const unsigned seconds = 60;
    const long megabytes = 512;
    for (const Malformed& f : files)
    {
        SCOPED_TRACE(f.what);
        Testing::TempDir dir{"orvik-sound"};
        const std::string file = dir.write(std::string("file.") + extension, f.bytes);
        const Testing::ChildEnd end = Testing::runLimited(
            [&]
            {
                Reader reader(file.c_str());
                reader.load();
            },
            seconds, megabytes);
        EXPECT_TRUE(end.returned()) << "exit " << end.exitCode << ", signal " << end.signal << "\n"
                                    << end.errorOutput;
        EXPECT_LT(end.peakMemoryKb, megabytes * 1024);
    }
}

std::string wavWithData(std::uint32_t declared, const std::string& payload)
{
    return riffWave(chunk("fmt ", fmtPayload(1, 1, 8000, 8)) + "data" + le32(declared) + payload);
}

TEST(MalformedSoundFiles, WAVReaderEndsCleanly)
{
    const std::string whole = wavTone(2, 16, 8000, 0.1);
    readEach<Media::WAVFile>(
        {
            {"empty", ""},
            {"truncated header", whole.substr(0, 30)},
            {"truncated data", whole.substr(0, whole.size() / 2)},
            {"binary garbage", std::string(4096, '\xa7')},
            {"data size of 4 GB", wavWithData(0xffffffffu, "abcd")},
            {"chunk size of 4 GB before data",
             riffWave(chunk("fmt ", fmtPayload(1, 1, 8000, 8)) + "LIST" + le32(0xffffffffu) + "x")},
            {"format chunk of 4 GB",
             riffWave(std::string("fmt ") + le32(0xfffffff0u) + fmtPayload(1, 1, 8000, 8))},
            {"many empty chunks", riffWave(chunk("fmt ", fmtPayload(1, 1, 8000, 8)) +
                                           []
                                           {
                                               std::string chunks;
                                               for (int i = 0; i < 100000; ++i)
                                                   chunks += chunk("junk", "");
                                               return chunks;
                                           }())},
        },
        "wav");
}

TEST(MalformedSoundFiles, OggReaderEndsCleanly)
{
    const std::string whole = encodeOgg(1, 22050, floatTone(1, 22050, 0.3)).bytes;
    std::string flipped = whole;
    for (std::size_t i = 200; i < flipped.size(); i += 97)
        flipped[i] = static_cast<char>(flipped[i] ^ 0x55);
    readEach<Media::OGGFile>(
        {
            {"empty", ""},
            {"truncated headers", whole.substr(0, 100)},
            {"truncated audio", whole.substr(0, whole.size() * 2 / 3)},
            {"binary garbage", std::string(65536, '\x4f')},
            {"damaged throughout", flipped},
            // Half a megabyte that would decode to almost a gigabyte: refused while decoding, so the
            // memory it takes stays near the cap.
            {"decode bomb", oggBomb(2, 44100, 200000)},
        },
        "ogg");
}
} // namespace
