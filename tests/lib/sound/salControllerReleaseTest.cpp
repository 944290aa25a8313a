#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include <AL/al.h>
#include <AL/alc.h>
#include <dlfcn.h>

#include "SoundFixtures.h"
#include "support/TempDir.h"
#include "sound/salController.h"

using namespace SoundFixtures;

// The OpenAL calls that make and delete sources and buffers, seen on their way to the library: every name
// made is kept until it is deleted while its context is still current (without a context nothing is
// deleted, and the library knows no name at all). The rest of the program calls OpenAL as usual.
namespace
{
std::set<ALuint> g_liveSources;
std::set<ALuint> g_liveBuffers;
int g_madeSources = 0;
int g_madeBuffers = 0;

template <class F> F next(const char* name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}
} // namespace

extern "C"
{
    void alGenSources(ALsizei n, ALuint* names)
    {
        static const auto l_real = next<void (*)(ALsizei, ALuint*)>("alGenSources");
        l_real(n, names);
        for (ALsizei i = 0; i < n; ++i)
            if (alIsSource(names[i]))
            {
                g_liveSources.insert(names[i]);
                ++g_madeSources;
            }
    }

    void alDeleteSources(ALsizei n, const ALuint* names)
    {
        static const auto l_real = next<void (*)(ALsizei, const ALuint*)>("alDeleteSources");
        l_real(n, names);
        for (ALsizei i = 0; i < n; ++i)
            if (alcGetCurrentContext() && !alIsSource(names[i]))
                g_liveSources.erase(names[i]);
    }

    void alGenBuffers(ALsizei n, ALuint* names)
    {
        static const auto l_real = next<void (*)(ALsizei, ALuint*)>("alGenBuffers");
        l_real(n, names);
        for (ALsizei i = 0; i < n; ++i)
            if (alIsBuffer(names[i]))
            {
                g_liveBuffers.insert(names[i]);
                ++g_madeBuffers;
            }
    }

    void alDeleteBuffers(ALsizei n, const ALuint* names)
    {
        static const auto l_real = next<void (*)(ALsizei, const ALuint*)>("alDeleteBuffers");
        l_real(n, names);
        for (ALsizei i = 0; i < n; ++i)
            if (alcGetCurrentContext() && !alIsBuffer(names[i]))
                g_liveBuffers.erase(names[i]);
    }
}

namespace
{
TEST(SalControllerRelease, DeletesEverySourceAndBufferBeforeTheContextGoes)
{
    ::setenv("ALSOFT_DRIVERS", "null", 1);
    Testing::TempDir dir{"orvik-sound"};
    g_liveSources.clear();
    g_liveBuffers.clear();
    g_madeSources = g_madeBuffers = 0;
    {
        SAL::salController sal;
        ASSERT_TRUE(sal.init());
        ASSERT_TRUE(sal.addSource(1, false));
        ASSERT_TRUE(sal.addSource(1, true)); // replaces the record of id 1
        ASSERT_TRUE(sal.addSource(2, false));
        ASSERT_TRUE(sal.load(1, dir.write("a.wav", wavTone(1, 16, 8000, 0.5))));
        ASSERT_TRUE(sal.load(1, dir.write("b.ogg", encodeOgg(1, 8000, floatTone(1, 8000, 0.5)).bytes)));
        ASSERT_TRUE(sal.load(2, dir.write("c.wav", wavTone(2, 8, 8000, 0.5))));
        // Stereo 16-bit data of six bytes is no whole number of frames: OpenAL refuses the fill.
        const std::string odd =
            riffWave(chunk("fmt ", fmtPayload(1, 2, 8000, 16)) + chunk("data", std::string(6, '\0')));
        EXPECT_FALSE(sal.load(3, dir.write("odd.wav", odd)));
        EXPECT_EQ(3u, g_liveBuffers.size()) << "the buffer whose fill failed is deleted at once";
        sal.play(1, 1, 100, 100);
        sal.play(2, 2, 100, 100);
        ASSERT_EQ(3, g_madeSources);
        ASSERT_EQ(4, g_madeBuffers);
    }
    EXPECT_TRUE(g_liveSources.empty());
    EXPECT_TRUE(g_liveBuffers.empty());
}
} // namespace
