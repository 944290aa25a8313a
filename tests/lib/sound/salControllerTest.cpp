#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include <AL/al.h>

#include "SoundFixtures.h"
#include "sound/OGGFile.h"
#include "sound/WAVFile.h"
#include "support/TempDir.h"
#include "sound/salController.h"

using namespace SoundFixtures;
using Clock = std::chrono::steady_clock;

namespace
{
// OpenAL Soft's null back end plays in real time into nothing, so source states advance as on a sound
// card. The choice is made on the first device opened in this process.
class SalControllerNull : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::setenv("ALSOFT_DRIVERS", "null", 1);
        ASSERT_TRUE(sal.init());
    }

    // Waits until the source stops playing; answers false if it still plays after the limit.
    bool stopsWithin(int source, double seconds)
    {
        const auto end = Clock::now() + std::chrono::duration<double>(seconds);
        while (Clock::now() < end)
        {
            if (!sal.isPlaying(source))
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return !sal.isPlaying(source);
    }

    static void pause(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

    Testing::TempDir dir{"orvik-sound"};
    SAL::salController sal;
};

TEST_F(SalControllerNull, LoadsByExactExtension)
{
    const std::string wav = wavTone(1, 16, 8000, 0.05);
    const std::string ogg = encodeOgg(1, 8000, floatTone(1, 8000, 0.05)).bytes;
    struct Case
    {
        const char* name;
        const std::string& bytes;
        bool ok;
    };
    const Case cases[] = {
        {"a.wav", wav, true},  {"b.ogg", ogg, true},  {"c.WAV", wav, false},
        {"d.Ogg", ogg, false}, {"e.txt", wav, false}, {"f.ogg.wav", wav, true},
        {"g.wav", ogg, false}, {"h.ogg", wav, false}, {"noextension", wav, false},
    };
    int id = 1;
    for (const Case& c : cases)
        EXPECT_EQ(c.ok, sal.load(id++, dir.write(c.name, c.bytes))) << c.name;
    EXPECT_FALSE(sal.load(id, dir.path("absent.wav")));

    // A name without any "." is its own extension.
    const std::filesystem::path here = std::filesystem::current_path();
    dir.write("wav", wav);
    std::filesystem::current_path(dir.dir());
    const bool loaded = sal.load(id, "wav");
    std::filesystem::current_path(here);
    EXPECT_TRUE(loaded);
}

TEST_F(SalControllerNull, ShortSoundPlaysThenStops)
{
    ASSERT_TRUE(sal.addSource(1, false));
    ASSERT_TRUE(sal.load(1, dir.write("short.wav", wavTone(1, 16, 22050, 0.2))));
    EXPECT_FALSE(sal.isPlaying(1)) << "nothing was played on it yet";
    sal.play(1, 1, 100, 100);
    EXPECT_TRUE(sal.isPlaying(1));
    EXPECT_TRUE(stopsWithin(1, 3.0));
}

TEST_F(SalControllerNull, LoopingSourcePlaysUntilStopped)
{
    ASSERT_TRUE(sal.addSource(1, true));
    ASSERT_TRUE(sal.load(1, dir.write("short.ogg", encodeOgg(1, 22050, floatTone(1, 22050, 0.1)).bytes)));
    sal.play(1, 1, 100, 100);
    pause(0.5);
    EXPECT_TRUE(sal.isPlaying(1));
    sal.stop(1);
    EXPECT_FALSE(sal.isPlaying(1));
}

TEST_F(SalControllerNull, PitchOfZeroOrLessPlaysAsRecorded)
{
    // At a pitch of 0 OpenAL would hold the source in the playing state for ever.
    ASSERT_TRUE(sal.addSource(1, false));
    ASSERT_TRUE(sal.load(1, dir.write("short.wav", wavTone(1, 16, 22050, 0.1))));
    for (int pitch : {0, -50})
    {
        SCOPED_TRACE(pitch);
        sal.play(1, 1, 100, pitch);
        EXPECT_TRUE(sal.isPlaying(1));
        EXPECT_TRUE(stopsWithin(1, 3.0));
    }
}

TEST_F(SalControllerNull, PlayWithAnUnloadedSoundChangesNothing)
{
    ASSERT_TRUE(sal.addSource(1, true));
    ASSERT_TRUE(sal.load(1, dir.write("loop.wav", wavTone(1, 16, 22050, 0.1))));
    sal.play(1, 1, 100, 100);
    sal.play(1, 0, 100, 100);
    sal.play(1, 7, 100, 100);
    sal.play(2, 1, 100, 100);
    EXPECT_TRUE(sal.isPlaying(1));
    sal.stop(1);
}

TEST_F(SalControllerNull, IdsItCannotActOnAreIgnored)
{
    ASSERT_TRUE(sal.addSource(1, false));
    ASSERT_TRUE(sal.load(1, dir.write("a.wav", wavTone(1, 16, 22050, 0.1))));
    // Source 1 exists but never played; source 9 does not exist.
    for (int source : {1, 9})
    {
        sal.stop(source);
        sal.pause(source);
        sal.resume(source);
        sal.setVolume(source, 50);
        EXPECT_FALSE(sal.isPlaying(source));
    }
}

TEST_F(SalControllerNull, PauseAndResume)
{
    ASSERT_TRUE(sal.addSource(1, true));
    ASSERT_TRUE(sal.load(1, dir.write("a.wav", wavTone(1, 16, 22050, 0.1))));
    sal.play(1, 1, 100, 100);
    sal.pause(1);
    EXPECT_FALSE(sal.isPlaying(1));
    sal.resume(1);
    EXPECT_TRUE(sal.isPlaying(1));
    sal.stop(1);
}

TEST_F(SalControllerNull, AnErrorLeftPendingDoesNotFailTheNextStep)
{
    ASSERT_TRUE(sal.load(1, dir.write("a.wav", wavTone(1, 16, 22050, 0.1))));
    // Anyone may leave an error behind; here a source name that does not exist.
    alSourcef(123456, AL_GAIN, 1.0f);
    EXPECT_TRUE(sal.addSource(1, false));
    alSourcef(123456, AL_GAIN, 1.0f);
    EXPECT_TRUE(sal.load(2, dir.write("b.wav", wavTone(1, 16, 22050, 0.1))));
    // A negative volume is silence, not an error that stays behind.
    sal.play(1, 1, -20, 100);
    EXPECT_TRUE(sal.addSource(2, false));
}

TEST_F(SalControllerNull, DataOpenALRefusesFailsTheLoadAlone)
{
    // 16-bit samples with an odd number of bytes: the reader takes them, OpenAL does not.
    const std::string odd =
        riffWave(chunk("fmt ", fmtPayload(1, 1, 8000, 16)) + chunk("data", std::string("\x01\x02\x03", 3)));
    EXPECT_FALSE(sal.load(1, dir.write("odd.wav", odd)));
    EXPECT_TRUE(sal.load(1, dir.write("good.wav", wavTone(1, 16, 8000, 0.05))));
}

TEST_F(SalControllerNull, ReplacedIdsUseTheNewRecord)
{
    ASSERT_TRUE(sal.addSource(1, false));
    ASSERT_TRUE(sal.addSource(1, true));
    ASSERT_TRUE(sal.load(1, dir.write("long.wav", wavTone(1, 16, 8000, 5.0))));
    ASSERT_TRUE(sal.load(1, dir.write("short.wav", wavTone(1, 16, 8000, 0.05))));
    sal.play(1, 1, 100, 100);
    pause(0.3);
    EXPECT_TRUE(sal.isPlaying(1)) << "the second source record loops";
    sal.stop(1);
}

TEST_F(SalControllerNull, SamplesHeldInAllStayWithinTheBound)
{
    const std::string wav = dir.write("a.wav", wavTone(1, 16, 8000, 0.05));
    // A small file of silence that decodes to far more than its size.
    const std::string ogg = dir.write("bomb.ogg", oggBomb(2, 44100, 100));
    Media::WAVFile wavFile(wav.c_str());
    Media::OGGFile oggFile(ogg.c_str());
    ASSERT_TRUE(wavFile.load() && oggFile.load());
    const std::size_t both = wavFile.getData().size() + oggFile.getData().size();

    SAL::salController atTheBound(both);
    ASSERT_TRUE(atTheBound.init());
    EXPECT_TRUE(atTheBound.load(1, wav));
    EXPECT_TRUE(atTheBound.load(2, ogg));
    // Full: a replaced sound still holds its samples, so loading an id again needs room too.
    EXPECT_FALSE(atTheBound.load(1, wav));
    EXPECT_FALSE(atTheBound.load(3, wav));

    SAL::salController pastTheBound(both - 1);
    ASSERT_TRUE(pastTheBound.init());
    EXPECT_TRUE(pastTheBound.load(1, wav));
    EXPECT_FALSE(pastTheBound.load(2, ogg));
    // What was refused took no room.
    EXPECT_TRUE(pastTheBound.load(3, wav));

    // The bound holds the longest sound one file may give.
    EXPECT_GE(SAL::salController::MAX_HELD_BYTES, Media::OGGFile::MAX_DECODED_BYTES);
}

TEST(SalController, NothingWorksBeforeInit)
{
    Testing::TempDir dir{"orvik-sound"};
    SAL::salController sal;
    EXPECT_FALSE(sal.addSource(1, false));
    EXPECT_FALSE(sal.load(1, dir.write("a.wav", wavTone(1, 16, 8000, 0.05))));
    sal.play(1, 1, 100, 100);
    EXPECT_FALSE(sal.isPlaying(1));
}

TEST_F(SalControllerNull, InitAgainKeepsTheDevice)
{
    ASSERT_TRUE(sal.addSource(1, false));
    EXPECT_TRUE(sal.init());
    ASSERT_TRUE(sal.load(1, dir.write("a.wav", wavTone(1, 16, 8000, 0.3))));
    sal.play(1, 1, 100, 100);
    EXPECT_TRUE(sal.isPlaying(1));
}
} // namespace
