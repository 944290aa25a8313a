#include <gtest/gtest.h>

#include "SoundFixtures.h"
#include "support/TempDir.h"
#include "sound/WAVFile.h"

using namespace SoundFixtures;

namespace
{
const std::string kFmt16 = chunk("fmt ", fmtPayload(1, 1, 8000, 16));
const std::string kSamples = "\x01\x02\x03\x04\x05\x06";

struct WavCase
{
    const char* what;
    std::string bytes;
    bool ok;
    int channels;
    int rate;
    int bits;
    std::string data;
};

void PrintTo(const WavCase& c, std::ostream* out)
{
    *out << c.what;
}

class WAVFileCases : public ::testing::TestWithParam<WavCase>
{
};

TEST_P(WAVFileCases, ReadsOrRefuses)
{
    const WavCase& c = GetParam();
    Testing::TempDir dir{"orvik-sound"};
    Media::WAVFile wav(dir.write("case.wav", c.bytes).c_str());
    ASSERT_EQ(c.ok, wav.load()) << c.what;
    if (!c.ok)
        return;
    EXPECT_EQ(c.channels, wav.getNumChannels());
    EXPECT_EQ(c.rate, wav.getRate());
    EXPECT_EQ(c.bits, wav.getBitsPerSample());
    EXPECT_EQ(c.data, std::string(wav.getData().begin(), wav.getData().end()));
}

const WavCase kCases[] = {
    {"mono 16-bit", riffWave(kFmt16 + chunk("data", kSamples)), true, 1, 8000, 16, kSamples},
    {"stereo 8-bit", riffWave(chunk("fmt ", fmtPayload(1, 2, 11025, 8)) + chunk("data", "\x80\x81")), true, 2,
     11025, 8, "\x80\x81"},
    {"a chunk between fmt and data is skipped",
     riffWave(kFmt16 + chunk("LIST", "INFOabcd") + chunk("data", kSamples)), true, 1, 8000, 16, kSamples},
    {"an odd-sized chunk is skipped with its pad byte",
     riffWave(kFmt16 + chunk("junk", "abc") + chunk("data", kSamples)), true, 1, 8000, 16, kSamples},
    {"an 18-byte format chunk",
     riffWave(chunk("fmt ", fmtPayload(1, 1, 8000, 16, 2)) + chunk("data", kSamples)), true, 1, 8000, 16,
     kSamples},
    {"an odd-sized format chunk is followed by its pad byte",
     riffWave(chunk("fmt ", fmtPayload(1, 1, 8000, 16, 1)) + chunk("data", kSamples)), true, 1, 8000, 16,
     kSamples},
    {"chunks after data are not read", riffWave(kFmt16 + chunk("data", kSamples) + "garbage"), true, 1, 8000,
     16, kSamples},
    {"an empty data chunk", riffWave(kFmt16 + chunk("data", "")), true, 1, 8000, 16, ""},
    {"not RIFF", "RIFX" + riffWave(kFmt16 + chunk("data", kSamples)).substr(4), false, 0, 0, 0, ""},
    {"not WAVE", "RIFF" + le32(100) + "AVI " + kFmt16 + chunk("data", kSamples), false, 0, 0, 0, ""},
    {"a chunk before fmt", riffWave(chunk("LIST", "INFO") + kFmt16 + chunk("data", kSamples)), false, 0, 0, 0,
     ""},
    {"a format chunk of 14 bytes",
     riffWave(chunk("fmt ", fmtPayload(1, 1, 8000, 16).substr(0, 14)) + chunk("data", kSamples)), false, 0, 0,
     0, ""},
    {"float samples",
     riffWave(chunk("fmt ", fmtPayload(3, 1, 8000, 32)) + chunk("data", std::string(4, '\0'))), false, 0, 0,
     0, ""},
    {"six channels",
     riffWave(chunk("fmt ", fmtPayload(1, 6, 8000, 16)) + chunk("data", std::string(12, '\0'))), false, 0, 0,
     0, ""},
    {"no channels", riffWave(chunk("fmt ", fmtPayload(1, 0, 8000, 16)) + chunk("data", kSamples)), false, 0,
     0, 0, ""},
    {"24-bit samples", riffWave(chunk("fmt ", fmtPayload(1, 1, 8000, 24)) + chunk("data", kSamples)), false,
     0, 0, 0, ""},
    {"no data chunk", riffWave(kFmt16 + chunk("LIST", "INFO")), false, 0, 0, 0, ""},
    {"data cut short", riffWave(kFmt16 + "data" + le32(8) + kSamples), false, 0, 0, 0, ""},
    {"a huge declared data size", riffWave(kFmt16 + "data" + le32(0xfffffff0u) + kSamples), false, 0, 0, 0,
     ""},
    {"a huge chunk before data", riffWave(kFmt16 + "LIST" + le32(0xfffffff0u) + chunk("data", kSamples)),
     false, 0, 0, 0, ""},
    {"a huge format chunk",
     riffWave("fmt " + le32(0xfffffff0u) + fmtPayload(1, 1, 8000, 16) + chunk("data", kSamples)), false, 0, 0,
     0, ""},
    {"a header cut inside the format chunk", riffWave(kFmt16).substr(0, 30), false, 0, 0, 0, ""},
    {"an empty file", "", false, 0, 0, 0, ""},
};

INSTANTIATE_TEST_SUITE_P(Files, WAVFileCases, ::testing::ValuesIn(kCases));

TEST(WAVFile, MissingFileIsRefused)
{
    Testing::TempDir dir{"orvik-sound"};
    Media::WAVFile wav(dir.path("absent.wav").c_str());
    EXPECT_FALSE(wav.load());
}
} // namespace
