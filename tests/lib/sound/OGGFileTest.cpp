#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "SoundFixtures.h"
#include "support/TempDir.h"
#include "sound/OGGFile.h"

using namespace SoundFixtures;

namespace
{
// Largest absolute 16-bit sample of the decoded data.
int peakOf(const std::vector<char>& data)
{
    int peak = 0;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2)
    {
        const auto v = static_cast<std::int16_t>(static_cast<unsigned char>(data[i]) |
                                                 (static_cast<unsigned char>(data[i + 1]) << 8));
        peak = std::max(peak, std::abs(static_cast<int>(v)));
    }
    return peak;
}

TEST(OGGFile, DecodesMonoAndStereoToSixteenBitSamples)
{
    struct Layout
    {
        int channels;
        int rate;
    };
    for (const Layout& l : {Layout{1, 22050}, Layout{2, 44100}})
    {
        SCOPED_TRACE(l.channels);
        Testing::TempDir dir{"orvik-sound"};
        const double seconds = 0.5;
        const std::string file = dir.write(
            "tone.ogg", encodeOgg(l.channels, l.rate, floatTone(l.channels, l.rate, seconds)).bytes);
        Media::OGGFile ogg(file.c_str());
        ASSERT_TRUE(ogg.load());
        EXPECT_EQ(l.channels, ogg.getNumChannels());
        EXPECT_EQ(l.rate, ogg.getRate());
        const std::size_t expected = static_cast<std::size_t>(l.rate * seconds) * l.channels * 2;
        EXPECT_EQ(expected, ogg.getData().size());
        // A tone of amplitude one half decodes to about half of full scale.
        EXPECT_NEAR(16384, peakOf(ogg.getData()), 2500);
    }
}

TEST(OGGFile, RefusesWhatIsNotAPlayableVorbisStream)
{
    Testing::TempDir dir{"orvik-sound"};
    std::vector<std::string> files = {
        dir.path("absent.ogg"),
        dir.write("empty.ogg", ""),
        dir.write("text.ogg", std::string(5000, 'x')),
        dir.write("wave.ogg", wavTone(1, 16, 8000, 0.1)),
        // Only one or two channels have an OpenAL format.
        dir.write("six.ogg", encodeOgg(6, 22050, floatTone(6, 22050, 0.2)).bytes),
    };
    for (const std::string& file : files)
    {
        Media::OGGFile ogg(file.c_str());
        EXPECT_FALSE(ogg.load()) << file;
    }
}

TEST(OGGFile, SkipsAHoleInTheStream)
{
    const int rate = 22050;
    const OggStream stream = encodeOgg(1, rate, floatTone(1, rate, 2.0), 1, true);
    ASSERT_GT(stream.pageStarts.size(), 20u);
    // Damage one audio page in the middle; its checksum no longer fits and the decoder loses it.
    std::string bytes = stream.bytes;
    const std::size_t middle = stream.pageStarts[stream.pageStarts.size() / 2];
    bytes[middle + 40] = static_cast<char>(bytes[middle + 40] ^ 0x5a);

    Testing::TempDir dir{"orvik-sound"};
    Media::OGGFile ogg(dir.write("hole.ogg", bytes).c_str());
    ASSERT_TRUE(ogg.load());
    // Nearly everything after the hole is still decoded.
    const std::size_t full = static_cast<std::size_t>(rate * 2.0) * 2;
    EXPECT_GT(ogg.getData().size(), full * 9 / 10);
    EXPECT_LT(ogg.getData().size(), full);
}

TEST(OGGFile, ChainedStreamsDecodeWholeOnlyWithOneLayout)
{
    const OggStream first = encodeOgg(1, 22050, floatTone(1, 22050, 0.3), 1);
    const OggStream sameLayout = encodeOgg(1, 22050, floatTone(1, 22050, 0.2), 2);
    const OggStream stereo = encodeOgg(2, 22050, floatTone(2, 22050, 0.2), 3);
    Testing::TempDir dir{"orvik-sound"};

    Media::OGGFile same(dir.write("same.ogg", first.bytes + sameLayout.bytes).c_str());
    ASSERT_TRUE(same.load());
    EXPECT_EQ(static_cast<std::size_t>(22050 * 0.3 + 22050 * 0.2) * 2, same.getData().size());

    Media::OGGFile mixed(dir.write("mixed.ogg", first.bytes + stereo.bytes).c_str());
    EXPECT_FALSE(mixed.load());
}

TEST(OGGFile, RefusesAStreamThatWouldDecodePastTheCap)
{
    Testing::TempDir dir{"orvik-sound"};
    // Every one-byte packet decodes to a long block of silence.
    const std::string file = dir.write("bomb.ogg", oggBomb(2, 44100, 100));
    Media::OGGFile whole(file.c_str());
    ASSERT_TRUE(whole.load());
    const std::size_t decoded = whole.getData().size();
    ASSERT_GT(decoded, 100u * 1000);

    Media::OGGFile atTheCap(file.c_str(), decoded);
    EXPECT_TRUE(atTheCap.load());
    EXPECT_EQ(decoded, atTheCap.getData().size());

    Media::OGGFile pastTheCap(file.c_str(), decoded - 1);
    EXPECT_FALSE(pastTheCap.load());
    EXPECT_TRUE(pastTheCap.getData().empty());

    // The real cap is far above any game sound.
    EXPECT_GE(Media::OGGFile::MAX_DECODED_BYTES, 10u * 60 * 44100 * 2 * 2);
}
} // namespace
