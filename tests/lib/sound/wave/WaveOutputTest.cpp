#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <thread>

#include "SoundFixtures.h"
#include "support/TempDir.h"
#include "sound/salController.h"

using namespace SoundFixtures;
using Clock = std::chrono::steady_clock;

namespace
{
// OpenAL Soft's wave back end writes everything the device plays, in real time, to one WAV file whose
// header is finished when the device closes. Its settings are read once per process, so every recording
// of this program goes to the same file, one device at a time.
class WaveBackend
{
public:
    WaveBackend()
    {
        output = dir.path("out.wav");
        const std::string conf =
            dir.write("alsoft.conf", "[general]\ndrivers=wave\n[wave]\nfile=" + output + "\n");
        ::setenv("ALSOFT_CONF", conf.c_str(), 1);
        ::setenv("ALSOFT_DRIVERS", "wave", 1);
    }

    Testing::TempDir dir{"orvik-sound"};
    std::string output;
};

WaveBackend& backend()
{
    static WaveBackend l_backend;
    return l_backend;
}

struct Recording
{
    int channels = 0;
    int rate = 0;
    std::vector<float> samples; // interleaved
    std::vector<double> marks;  // seconds from the device's start, as the script noted them

    double seconds() const { return channels && rate ? double(samples.size()) / channels / rate : 0.0; }

    // Largest absolute sample between two times (seconds), over all channels.
    float peak(double from = 0.0, double to = 1e9) const
    {
        const std::size_t begin = std::min(samples.size(), static_cast<std::size_t>(from * rate) * channels);
        const std::size_t end = std::min(samples.size(), static_cast<std::size_t>(to * rate) * channels);
        float p = 0.0f;
        for (std::size_t i = begin; i < end; ++i)
            p = std::max(p, std::fabs(samples[i]));
        return p;
    }

    // Time of the first sample that is not silence.
    double firstSound() const
    {
        for (std::size_t i = 0; i < samples.size(); ++i)
            if (std::fabs(samples[i]) > 1e-4f)
                return double(i) / channels / rate;
        return seconds();
    }

    // How much later the output shows what the script did at mark i, which is marked just before a play.
    // The device starts writing a little before the script's clock starts, and mixes a little behind.
    double shiftFrom(std::size_t mark) const { return firstSound() - marks.at(mark); }

    // Time just after the last sample that is not silence.
    double lastSound() const
    {
        for (std::size_t i = samples.size(); i > 0; --i)
            if (std::fabs(samples[i - 1]) > 1e-4f)
                return double(i) / channels / rate;
        return 0.0;
    }
};

std::uint32_t readLE(const std::string& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

// Reads the back end's output: 16-bit integer or 32-bit float samples, plain or extensible format chunk.
Recording readOutput(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Recording r;
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0)
        return r;
    int bits = 0;
    bool isFloat = false;
    for (std::size_t at = 12; at + 8 <= b.size();)
    {
        const std::string id = b.substr(at, 4);
        std::size_t size = readLE(b, at + 4, 4);
        at += 8;
        if (id == "fmt ")
        {
            const std::uint32_t tag = readLE(b, at, 2);
            r.channels = static_cast<int>(readLE(b, at + 2, 2));
            r.rate = static_cast<int>(readLE(b, at + 4, 4));
            bits = static_cast<int>(readLE(b, at + 14, 2));
            // The extensible form names its sample type in the first two bytes of its sub-format.
            isFloat = tag == 3 || (tag == 0xfffe && size >= 26 && readLE(b, at + 24, 2) == 3);
        }
        else if (id == "data")
        {
            size = std::min(size, b.size() - at);
            const int width = bits / 8;
            for (std::size_t i = 0; width > 0 && i + width <= size; i += width)
            {
                if (isFloat && bits == 32)
                {
                    const std::uint32_t raw = readLE(b, at + i, 4);
                    float f;
                    std::memcpy(&f, &raw, 4);
                    r.samples.push_back(f);
                }
                else if (bits == 16)
                    r.samples.push_back(static_cast<std::int16_t>(readLE(b, at + i, 2)) / 32768.0f);
            }
            break;
        }
        at += size + (size & 1);
    }
    return r;
}

// Runs script against a freshly opened device and answers what that device put out. The script notes
// times through the mark function.
Recording record(const std::function<void(SAL::salController&, const std::function<void()>&)>& script)
{
    const std::string& output = backend().output;
    std::vector<double> marks;
    {
        SAL::salController sal;
        if (!sal.init())
        {
            ADD_FAILURE() << "the wave back end did not open";
            return Recording();
        }
        const auto start = Clock::now();
        script(sal, [&]() { marks.push_back(std::chrono::duration<double>(Clock::now() - start).count()); });
    }
    Recording r = readOutput(output);
    r.marks = marks;
    return r;
}

void pause(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

class WaveOutput : public ::testing::Test
{
protected:
    // A looping sound, played for a while and stopped; the marks are the play and the stop.
    Recording playLoopThenStop(const std::string& file, double playFor)
    {
        return record(
            [&](SAL::salController& sal, const std::function<void()>& mark)
            {
                ASSERT_TRUE(sal.addSource(1, true));
                ASSERT_TRUE(sal.load(1, file));
                mark();
                sal.play(1, 1, 100, 100);
                pause(playFor);
                mark();
                sal.stop(1);
                pause(0.5);
            });
    }

    // The loudest sample while a sound plays once at a volume.
    float levelOf(const std::string& file, int volume)
    {
        const Recording r = record(
            [&](SAL::salController& sal, const std::function<void()>&)
            {
                ASSERT_TRUE(sal.addSource(1, false));
                ASSERT_TRUE(sal.load(1, file));
                sal.play(1, 1, volume, 100);
                pause(0.3);
            });
        return r.peak();
    }

    Testing::TempDir dir{"orvik-sound"};
};

TEST_F(WaveOutput, PlayedWavAndOggFilesAreHeardAndAStoppedSourceIsSilent)
{
    // Each sound lasts 0.1 s and loops for 0.4 s.
    const std::string files[] = {
        dir.write("tone.wav", wavTone(1, 16, 22050, 0.1)),
        dir.write("tone.ogg", encodeOgg(1, 22050, floatTone(1, 22050, 0.1)).bytes),
    };
    for (const std::string& file : files)
    {
        SCOPED_TRACE(file);
        const Recording r = playLoopThenStop(file, 0.4);
        ASSERT_EQ(2u, r.marks.size());
        ASSERT_GT(r.peak(), 0.1f) << "nothing was heard";
        const double shift = r.shiftFrom(0);
        const double stopped = r.marks[1] + shift;
        ASSERT_GT(r.seconds(), stopped + 0.3);
        // Still sounding long after the sound's own length: the source loops.
        EXPECT_GT(r.peak(stopped - 0.15, stopped - 0.05), 0.1f);
        EXPECT_LT(r.lastSound(), stopped + 0.12) << "sound after the stop";
        EXPECT_EQ(0.0f, r.peak(stopped + 0.12));
    }
}

TEST_F(WaveOutput, EverySampleLayoutPlaysAtItsRecordedLevel)
{
    // The same tone at half of full scale: a layout read wrongly would come out far louder or quieter.
    const float mono16 = levelOf(dir.write("m16.wav", wavTone(1, 16, 22050, 0.2)), 100);
    ASSERT_GT(mono16, 0.2f);
    EXPECT_NEAR(mono16, levelOf(dir.write("m8.wav", wavTone(1, 8, 22050, 0.2)), 100), mono16 * 0.1f);
    EXPECT_NEAR(mono16, levelOf(dir.write("m.ogg", encodeOgg(1, 22050, floatTone(1, 22050, 0.2)).bytes), 100),
                mono16 * 0.15f);
    const float stereo16 = levelOf(dir.write("s16.wav", wavTone(2, 16, 22050, 0.2)), 100);
    const float stereo8 = levelOf(dir.write("s8.wav", wavTone(2, 8, 22050, 0.2)), 100);
    EXPECT_GT(stereo16, 0.2f);
    EXPECT_NEAR(stereo16, stereo8, stereo16 * 0.1f);
}

TEST_F(WaveOutput, VolumeIsAPercentageAndNegativeIsSilent)
{
    const std::string file = dir.write("tone.wav", wavTone(1, 16, 22050, 0.2));
    const float full = levelOf(file, 100);
    ASSERT_GT(full, 0.2f);
    EXPECT_NEAR(full / 2, levelOf(file, 50), full * 0.05f);
    EXPECT_EQ(0.0f, levelOf(file, 0));
    EXPECT_EQ(0.0f, levelOf(file, -30));
}

TEST_F(WaveOutput, SetVolumeChangesThePlayingSoundUntilTheNextPlay)
{
    const std::string file = dir.write("tone.wav", wavTone(1, 16, 22050, 0.1));
    const Recording r = record(
        [&](SAL::salController& sal, const std::function<void()>& mark)
        {
            ASSERT_TRUE(sal.addSource(1, true));
            ASSERT_TRUE(sal.load(1, file));
            mark();
            sal.play(1, 1, 100, 100);
            pause(0.3);
            mark();
            sal.setVolume(1, 25);
            pause(0.3);
            mark();
            sal.play(1, 1, 100, 100);
            pause(0.3);
            mark();
            sal.stop(1);
        });
    ASSERT_EQ(4u, r.marks.size());
    const double shift = r.shiftFrom(0);
    const double turnedDown = r.marks[1] + shift, playedAgain = r.marks[2] + shift,
                 stopped = r.marks[3] + shift;
    const float full = r.peak(turnedDown - 0.2, turnedDown - 0.05);
    ASSERT_GT(full, 0.2f);
    EXPECT_NEAR(full / 4, r.peak(turnedDown + 0.1, playedAgain - 0.05), full * 0.05f);
    EXPECT_NEAR(full, r.peak(playedAgain + 0.1, stopped - 0.05), full * 0.05f);
}
} // namespace
