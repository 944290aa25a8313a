#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "CFG/Overrides.h"
#include "Game/SoundManager.h"
#include "events/Event.h"
#include "events/EventBus.h"
#include "events/EventTypes.h"
#include "events/EventWithString.h"
#include "events/Event_Sound.h"
#include "sound/I_SoundController.h"
#include "support/TempDir.h"

namespace
{
using Calls = std::vector<std::string>;

// A back end that writes down every call (isPlaying excepted) and answers as told. A source is busy from
// when the test says so until it is stopped.
class RecordingController : public Sound::I_SoundController
{
public:
    bool initAnswer = true;
    int refusedSource = 0;
    int refusedSound = 0;
    std::set<int> busy;
    Calls calls;

    bool init() override
    {
        calls.push_back("init");
        return initAnswer;
    }
    bool addSource(int id, bool loop) override
    {
        calls.push_back("addSource " + std::to_string(id) + (loop ? " loop" : ""));
        return id != refusedSource;
    }
    bool load(int id, const std::string& file) override
    {
        calls.push_back("load " + std::to_string(id) + " " + file);
        return id != refusedSound;
    }
    void play(int source, int sound, int volume, int pitch) override
    {
        calls.push_back("play " + std::to_string(source) + " " + std::to_string(sound) + " " +
                        std::to_string(volume) + " " + std::to_string(pitch));
    }
    void pause(int source) override { calls.push_back("pause " + std::to_string(source)); }
    void resume(int source) override { calls.push_back("resume " + std::to_string(source)); }
    void stop(int source) override
    {
        calls.push_back("stop " + std::to_string(source));
        busy.erase(source);
    }
    bool isPlaying(int source) override { return busy.count(source) > 0; }
    void setVolume(int source, int volume) override
    {
        calls.push_back("setVolume " + std::to_string(source) + " " + std::to_string(volume));
    }
    void shutdown() override { calls.push_back("shutdown"); }

    // The calls since the last take.
    Calls take()
    {
        Calls out;
        out.swap(calls);
        return out;
    }
};

class SoundsFile
{
public:
    explicit SoundsFile(const std::string& text) : path(dir.write("sounds.cfg", text)) {}

    // Declared before path, which is written into it.
    Testing::TempDir dir{"orvik-sounds"};
    std::string path;
};

void raiseSound(const std::string& name, bool play = true, int volume = 0, int pitch = 0)
{
    EVT::Event_Sound event(EVT::EVENT_SOUND, name, play, volume, pitch);
    EVT::EventBus::instance().raiseEvent(&event, false);
}

void raiseMusic(const std::string& name)
{
    EVT::EventWithString event(EVT::EVENT_MUSIC, name);
    EVT::EventBus::instance().raiseEvent(&event, false);
}

// Two sources, three sounds and effects of every kind the manager tells apart.
const char* const kSounds = R"(
SOUND_SOURCES == EFFECTS, MUSIC:LOOPS
SOUND_DIR == snd/
SOUND_FILES == beep:beep.wav, tune:tune.ogg, hum:hum.wav
GAME_EFFECTS == "
SFX: HIGH, beep, EFFECTS, 80, 90, 2, -1
SFX: LOW, hum, EFFECTS, 70, 110, 1, -1
SFX: KEEP, beep, EFFECTS, 60, 100, 2, 0
SFX: DUCK, hum, EFFECTS, 50, 100, 2, 30
SFX: TUNE, tune, MUSIC, 40, 100, 5, -1
SFX: HUM, hum, MUSIC, 45, 100, 5, -1
SFX: SILENT, nothing, MUSIC, 35, 100, 5, -1"
)";

class SoundManagerEvents : public ::testing::Test
{
protected:
    void SetUp() override
    {
        manager.reset(new Game::SoundManager(&sal, file.path));
        sal.take();
    }

    SoundsFile file{kSounds};
    RecordingController sal;
    std::unique_ptr<Game::SoundManager> manager;
};

TEST(SoundManager, ReadsSourcesAndSoundsWithIdsInOrderOfFirstMention)
{
    SoundsFile file(R"(
SOUND_SOURCES == EFFECTS, MUSIC:LOOPS, voice:loops, , EFFECTS, AMBIENT:LOOPS
SOUND_DIR == sounds
SOUND_FILES == a:a.wav, nocolon.wav, d:C:\x.wav, b : b.ogg , a:again.wav, c::c.wav
)");
    RecordingController sal;
    {
        Game::SoundManager manager(&sal, file.path);
    }
    // A name met twice keeps the id of its first mention and is set up once, as its last mention says;
    // the suffix counts in upper case only.
    const Calls expected = {
        "init",
        "addSource 2 loop",
        "addSource 3",
        "addSource 1",
        "addSource 4 loop",
        "load 2 soundsb.ogg",
        "load 1 soundsagain.wav",
        "load 3 soundsc.wav",
        "shutdown",
    };
    EXPECT_EQ(expected, sal.calls);
}

TEST(SoundManager, ANameRepeatedThroughReferencesIsSetUpOnce)
{
    // Some 240,000 mentions of one source and one sound, within what one lookup may expand to.
    std::string run = "tune:tune.ogg";
    std::string sources = "S";
    for (int i = 0; i < 599; ++i)
    {
        run += ", tune:tune.ogg";
        sources += ", S";
    }
    std::string refs = "::RUN::";
    std::string sourceRefs = "::SRC::";
    for (int i = 0; i < 399; ++i)
    {
        refs += ", ::RUN::";
        sourceRefs += ", ::SRC::";
    }
    SoundsFile file("RUN == " + run + "\nSRC == " + sources + "\nSOUND_SOURCES == " + sourceRefs +
                    ", S:LOOPS\nSOUND_FILES == " + refs + ", tune:last.ogg\n");
    RecordingController sal;
    {
        Game::SoundManager manager(&sal, file.path);
    }
    EXPECT_EQ((Calls{"init", "addSource 1 loop", "load 1 last.ogg", "shutdown"}), sal.calls);
}

TEST(SoundManager, OverridesReachTheSoundsFile)
{
    SoundsFile file("SOUND_SOURCES == S\nSOUND_DIR == here/\nSOUND_FILES == a:a.wav\n");
    CFG::getDefaultOverrides()->add("SOUND_DIR", "over/");
    RecordingController sal;
    {
        Game::SoundManager manager(&sal, file.path);
    }
    // An empty override no longer counts.
    CFG::getDefaultOverrides()->add("SOUND_DIR", "");
    EXPECT_EQ((Calls{"init", "addSource 1", "load 1 over/a.wav", "shutdown"}), sal.calls);
}

TEST(SoundManager, EffectDefinitionsTheManagerKeepsOrSkips)
{
    SoundsFile file(R"(
SOUND_SOURCES == FX
SOUND_FILES == a:a.wav, b:b.wav
GAME_EFFECTS == "SFX: FIRST, a, FX, 80, 90, 1, -1 SFX: FIRST, b, FX, 10, 10, 1, -1
SFX: LATE, unknown, FX, 50, 50, 1, -1 SFX: LATE, b, FX, 55, 65, 1, -1
SFX: NOSOUND, unknown, FX, 50, 50, 1, -1
SFX: NOSOURCE, a, NOWHERE, 50, 50, 1, -1
SFX: SIX, a, FX, , 50, 1, -1
SFX: BLANK, a, FX,   , 50, 1, -1
SFX: TRAILING, b, FX, 60, 70, 1, 0,
SFX: EIGHT, a, FX, 1, 2, 3, 4, 5
SFX: BADNUMBERS, a, FX, loud, -5, x, y"
)");
    RecordingController sal;
    Game::SoundManager manager(&sal, file.path);
    manager.setEffects(true);
    sal.take();

    struct Case
    {
        const char* effect;
        Calls calls;
    };
    const Case cases[] = {
        {"FIRST", {"play 1 1 80 90"}},    // the first definition with a configured sound wins
        {"LATE", {"play 1 2 55 65"}},     // one without a configured sound is replaced
        {"NOSOUND", {}},                  // stored, but its sound is not configured
        {"NOSOURCE", {}},                 // dropped
        {"SIX", {}},                      // an empty field does not count
        {"BLANK", {}},                    // nor does a blank one
        {"TRAILING", {"play 1 2 60 70"}}, // a comma at the end adds no field
        {"EIGHT", {}},                    // too many fields
        {"BADNUMBERS", {"play 1 1 0 0"}}, // what is not a number reads 0
        {"UNKNOWN", {}},
    };
    for (const Case& c : cases)
    {
        raiseSound(c.effect);
        EXPECT_EQ(c.calls, sal.take()) << c.effect;
    }
}

TEST_F(SoundManagerEvents, SoundIsIgnoredUntilEffectsAreOn)
{
    raiseSound("HIGH");
    EXPECT_TRUE(sal.take().empty());
    manager->setEffects(true);
    raiseSound("HIGH");
    EXPECT_EQ((Calls{"play 1 1 80 90"}), sal.take());
}

TEST_F(SoundManagerEvents, EventVolumeAndPitchReplaceTheConfiguredOnes)
{
    manager->setEffects(true);
    raiseSound("HIGH", true, 0, 0);
    raiseSound("HIGH", true, 50, 0);
    raiseSound("HIGH", true, 0, 120);
    EXPECT_EQ((Calls{"play 1 1 80 90", "play 1 1 50 90", "play 1 1 80 120"}), sal.take());
}

TEST_F(SoundManagerEvents, PrioritiesAndBusyModes)
{
    // The first effect sets the source's priority; the source is then busy or idle; the second effect
    // arrives.
    struct Case
    {
        const char* first;
        bool busy;
        const char* second;
        Calls calls;
    };
    const Case cases[] = {
        {"HIGH", true, "LOW", {}},
        {"HIGH", false, "LOW", {"play 1 3 70 110"}},
        {"LOW", true, "HIGH", {"stop 1", "play 1 1 80 90"}},
        {"HIGH", true, "HIGH", {"stop 1", "play 1 1 80 90"}},
        {"HIGH", true, "KEEP", {}},
        {"HIGH", true, "DUCK", {"setVolume 1 30", "play 1 3 50 100"}},
        {"HIGH", false, "KEEP", {"play 1 1 60 100"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.first) + (c.busy ? " busy, then " : " idle, then ") + c.second);
        SetUp();
        manager->setEffects(true);
        sal.busy.clear();
        raiseSound(c.first);
        if (c.busy)
            sal.busy.insert(1);
        sal.take();
        raiseSound(c.second);
        EXPECT_EQ(c.calls, sal.take());
    }
}

TEST_F(SoundManagerEvents, StoppingAnEffectFreesItsSourcesPriority)
{
    manager->setEffects(true);
    raiseSound("HIGH");
    sal.busy.insert(1);
    raiseSound("HIGH", false);
    // Something else keeps the source busy; the stopped effect's priority no longer guards it.
    sal.busy.insert(1);
    raiseSound("LOW");
    EXPECT_EQ((Calls{"play 1 1 80 90", "stop 1", "stop 1", "play 1 3 70 110"}), sal.take());
}

TEST_F(SoundManagerEvents, EveryWayOfStoppingFreesThePriority)
{
    // HIGH (priority 2) plays on source 1; then the source is stopped one way or another, something keeps
    // it busy, and LOW (priority 1) arrives: it plays only if the stop forgot HIGH's priority.
    const Calls everySource = {"stop 1", "stop 1", "stop 2", "stop 1", "stop 1", "stop 2", "stop 2"};
    const Calls lowPlays = {"stop 1", "play 1 3 70 110"};
    struct Case
    {
        const char* what;
        std::function<void(Game::SoundManager&)> stop;
        Calls stopCalls;
        bool freed;
    };
    const Case cases[] = {
        {"another effect on the source",
         [](Game::SoundManager&) { raiseSound("LOW", false); },
         {"stop 1"},
         true},
        {"ALL", [](Game::SoundManager&) { raiseSound("ALL", false); }, everySource, true},
        {"effects off and on",
         [](Game::SoundManager& m)
         {
             m.setEffects(false);
             m.setEffects(true);
         },
         everySource, true},
        // Without a configured sound the effect is not looked at further: its source is left alone.
        {"an effect without a sound", [](Game::SoundManager&) { raiseSound("SILENT", false); }, {}, false},
        {"an unknown effect", [](Game::SoundManager&) { raiseSound("NOWHERE", false); }, {}, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        SetUp();
        manager->setEffects(true);
        sal.busy = {1};
        raiseSound("HIGH");
        sal.take();
        c.stop(*manager);
        EXPECT_EQ(c.stopCalls, sal.take());
        sal.busy = {1};
        raiseSound("LOW");
        EXPECT_EQ(c.freed ? lowPlays : Calls(), sal.take());
    }
}

TEST_F(SoundManagerEvents, StopAllStopsEverySourceAStoredEffectUses)
{
    manager->setEffects(true);
    raiseMusic("TUNE");
    sal.take();
    raiseSound("ALL", false);
    // Once per stored effect, in name order: DUCK, HIGH, HUM, KEEP, LOW, SILENT, TUNE.
    EXPECT_EQ((Calls{"stop 1", "stop 1", "stop 2", "stop 1", "stop 1", "stop 2", "stop 2"}), sal.take());
    // Playing "ALL" looks for an effect of that name.
    raiseSound("ALL", true);
    EXPECT_TRUE(sal.take().empty());
}

TEST_F(SoundManagerEvents, MusicReplacesMusic)
{
    raiseMusic("TUNE");
    EXPECT_EQ((Calls{"play 2 2 40 100"}), sal.take());
    raiseMusic("TUNE");
    EXPECT_TRUE(sal.take().empty());
    sal.busy.insert(2);
    // Stopping the old music frees the source for the new one whatever its priority.
    raiseMusic("HUM");
    EXPECT_EQ((Calls{"stop 2", "play 2 3 45 100"}), sal.take());
    // An effect without a configured sound still goes to the back end, which plays nothing.
    raiseMusic("SILENT");
    EXPECT_EQ((Calls{"stop 2", "play 2 0 35 100"}), sal.take());
    raiseMusic("");
    EXPECT_EQ((Calls{"stop 2"}), sal.take());
    raiseMusic("NOT_AN_EFFECT");
    EXPECT_TRUE(sal.take().empty());
}

TEST_F(SoundManagerEvents, EffectsOffStopsEverythingAndKeepsTheMusicName)
{
    raiseMusic("TUNE");
    manager->setEffects(false);
    sal.take();
    raiseSound("HIGH");
    raiseMusic("TUNE");
    EXPECT_TRUE(sal.take().empty());
    raiseMusic("");
    raiseMusic("TUNE");
    EXPECT_EQ((Calls{"stop 2", "play 2 2 40 100"}), sal.take());
}

TEST_F(SoundManagerEvents, SoundRaisedWithoutPlayingDetails)
{
    manager->setEffects(true);
    // A configured input action carries only the effect's name: it plays as configured.
    EVT::EventWithString named(EVT::EVENT_SOUND, "LOW");
    EVT::EventBus::instance().raiseEvent(&named, false);
    // A bare event of the type carries no name at all.
    EVT::EventBus::instance().raiseEvent(EVT::EVENT_SOUND, false);
    EVT::EventBus::instance().raiseEvent(EVT::EVENT_MUSIC, false);
    EXPECT_EQ((Calls{"play 1 3 70 110"}), sal.take());
}

TEST_F(SoundManagerEvents, DestroyedManagerShutsTheControllerDownAndLeavesTheBus)
{
    manager.reset();
    EXPECT_EQ((Calls{"shutdown"}), sal.take());
    raiseMusic("TUNE");
    EXPECT_TRUE(sal.take().empty());
}

TEST(SoundManager, WithoutAUsableControllerItStaysQuiet)
{
    SoundsFile file(kSounds);
    {
        // No controller at all: the silent one stands in.
        Game::SoundManager manager(nullptr, file.path);
        manager.setEffects(true);
        manager.setMusic("TUNE");
        raiseSound("HIGH");
    }
    struct Case
    {
        const char* what;
        bool init;
        int refusedSource;
        int refusedSound;
        std::string file;
        Calls loading;
    };
    const Case cases[] = {
        {"init fails", false, 0, 0, file.path, {"init"}},
        {"no file name", true, 0, 0, "", {"init"}},
        {"a source refused", true, 2, 0, file.path, {"init", "addSource 1", "addSource 2 loop"}},
        {"a sound refused",
         true,
         0,
         2,
         file.path,
         {"init", "addSource 1", "addSource 2 loop", "load 1 snd/beep.wav", "load 2 snd/tune.ogg"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        RecordingController sal;
        sal.initAnswer = c.init;
        sal.refusedSource = c.refusedSource;
        sal.refusedSound = c.refusedSound;
        Game::SoundManager manager(&sal, c.file);
        EXPECT_EQ(c.loading, sal.take());
        // Not subscribed: events do not reach it.
        manager.setEffects(true);
        sal.take();
        raiseMusic("TUNE");
        raiseSound("HIGH");
        EXPECT_TRUE(sal.take().empty());
    }
}

TEST(SoundManager, AFailedLoadKeepsWhatWasSetUpForDirectCalls)
{
    SoundsFile file(kSounds);
    RecordingController sal;
    sal.refusedSound = 3;
    Game::SoundManager manager(&sal, file.path);
    sal.take();
    // The effects were never read, so there is no music to start.
    manager.setMusic("TUNE");
    EXPECT_TRUE(sal.take().empty());
    // A later load adds to what is there: the ids go on counting.
    SoundsFile more("SOUND_SOURCES == EFFECTS, EXTRA\nSOUND_FILES == new:new.wav\n"
                    "GAME_EFFECTS == SFX: NEW, new, EXTRA, 10, 20, 0, 0\n");
    EXPECT_TRUE(manager.loadSounds(more.path));
    EXPECT_EQ((Calls{"addSource 1", "addSource 3", "load 4 new.wav"}), sal.take());
    manager.setMusic("NEW");
    EXPECT_EQ((Calls{"play 3 4 10 20"}), sal.take());
}
} // namespace
