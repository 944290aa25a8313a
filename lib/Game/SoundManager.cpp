#include "Game/SoundManager.h"

#include <map>
#include <vector>

#include "CFG/Info.h"
#include "CFG/Overrides.h"
#include "events/EventBus.h"
#include "events/EventWithString.h"
#include "events/Event_Sound.h"
#include "events/EventTypes.h"
#include "sound/I_SoundController.h"
#include "sound/NullSoundController.h"
#include "util/BasicStore.h"
#include "util/StringUtil.h"

namespace Game
{
namespace
{
const std::string LOOPS_SUFFIX = ":LOOPS";

Sound::I_SoundController* nullSound()
{
    static Sound::NullSoundController l_nullSound;
    return &l_nullSound;
}

// Pieces trimmed of blanks; empty ones and blank ones are dropped and do not count.
std::vector<std::string> listOf(const std::string& text, const std::string& delimiter)
{
    std::vector<std::string> pieces;
    Util::splitString(text, delimiter, pieces, false, true);
    return pieces;
}

bool endsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}
} // namespace

class SoundManager::Impl
{
public:
    struct SFX
    {
        int sound = 0;
        int source = 0;
        unsigned int volume = 0;
        unsigned int pitch = 0;
        int priority = 0;
        // When the source is busy and the priority allows the effect: -1 stops the source first, 0 gives
        // the effect up, anything else sets the source's volume to it first.
        int busyMode = 0;
    };

    explicit Impl(Sound::I_SoundController* soundController)
        : controller(soundController), sources(0), sounds(0), effects(SFX())
    {
    }

    // A stored priority only counts while its source is busy.
    void start(const SFX& effect, int volume, int pitch)
    {
        const int source = effect.source;
        if (source == 0)
            return;
        const int current = priorities[source];
        const bool busy = controller->isPlaying(source);
        if (effect.priority < current)
        {
            if (busy)
                return;
        }
        else if (busy)
        {
            if (effect.busyMode == -1)
                controller->stop(source);
            else if (effect.busyMode == 0)
                return;
            else
                controller->setVolume(source, effect.busyMode);
        }
        controller->play(source, effect.sound, volume, pitch);
        priorities[source] = effect.priority;
    }

    void stopSource(int source)
    {
        controller->stop(source);
        priorities[source] = 0;
    }

    void stopAll()
    {
        for (auto it = effects.getIterator(); !it->isDone(); it->next())
        {
            const int source = it->curItemNoCheck().source;
            if (source != 0)
                stopSource(source);
        }
    }

    Sound::I_SoundController* controller;
    int nextSourceId = 1;
    int nextSoundId = 1;
    Util::BasicStore<std::string, int> sources;
    Util::BasicStore<std::string, int> sounds;
    Util::BasicStore<std::string, SFX> effects;
    std::map<int, int> priorities;
};

SoundManager::SoundManager(Sound::I_SoundController* soundController, const std::string& soundsFile)
    : controller(soundController), music(""), effectsOn(false)
{
    if (controller && controller->init())
    {
        impl.reset(new Impl(controller));
        if (loadSounds(soundsFile))
        {
            EVT::EventBus& bus = EVT::EventBus::instance();
            bus.addConsumer(EVT::EVENT_SOUND, this);
            bus.addConsumer(EVT::EVENT_MUSIC, this);
        }
    }
    else
    {
        controller = nullSound();
        impl.reset(new Impl(controller));
    }
}

SoundManager::~SoundManager()
{
    controller->shutdown();
    impl.reset();
}

bool SoundManager::loadSounds(const std::string& file)
{
    if (file.empty())
        return false;
    CFG::Info info(file, CFG::getDefaultOverrides());
    bool ok = true;

    for (std::string name : listOf(info.get("SOUND_SOURCES"), ","))
    {
        if (!ok)
            break;
        const bool loop = endsWith(name, LOOPS_SUFFIX);
        if (loop)
            name.erase(name.size() - LOOPS_SUFFIX.size());
        int id = impl->sources.find(name);
        if (id == 0)
        {
            id = impl->nextSourceId++;
            impl->sources.add(name, id);
            impl->priorities[id] = 0;
        }
        ok = impl->controller->addSource(id, loop);
    }

    if (ok)
    {
        const std::string dir = info.get("SOUND_DIR");
        for (const std::string& entry : listOf(info.get("SOUND_FILES"), ","))
        {
            if (!ok)
                break;
            const std::vector<std::string> parts = listOf(entry, ":");
            if (parts.size() != 2)
                continue;
            int id = impl->sounds.find(parts[0]);
            if (id == 0)
            {
                id = impl->nextSoundId++;
                impl->sounds.add(parts[0], id);
            }
            ok = impl->controller->load(id, dir + parts[1]);
        }
    }

    if (ok)
    {
        for (const std::string& definition : listOf(info.get("GAME_EFFECTS"), "SFX:"))
        {
            const std::vector<std::string> fields = listOf(definition, ",");
            if (fields.size() != 7)
                continue;
            Impl::SFX effect;
            effect.sound = impl->sounds.find(fields[1]);
            effect.source = impl->sources.find(fields[2]);
            effect.volume = Util::strToNum<unsigned int>(fields[3], 10);
            effect.pitch = Util::strToNum<unsigned int>(fields[4], 10);
            effect.priority = Util::strToNum<int>(fields[5], 10);
            effect.busyMode = Util::strToNum<int>(fields[6], 10);
            if (effect.source == 0)
                continue;
            // The first definition with a configured sound wins.
            if (impl->effects.find(fields[0]).sound != 0)
                continue;
            impl->effects.add(fields[0], effect);
        }
    }
    return ok;
}

void SoundManager::handleEvent(EVT::I_Event* event)
{
    if (event->getType() == EVT::EVENT_MUSIC)
    {
        if (const EVT::EventWithString* named = EVT::eventAs<EVT::EventWithString>(event))
            setMusic(named->getString());
        return;
    }
    if (event->getType() != EVT::EVENT_SOUND || !effectsOn)
        return;

    // A configured input action raises SOUND as a plain string event: it plays the named effect as
    // configured.
    const EVT::EventWithString* named = EVT::eventAs<EVT::EventWithString>(event);
    if (!named)
        return;
    const EVT::Event_Sound* sound = EVT::eventAs<EVT::Event_Sound>(event);
    const bool play = sound ? sound->play : true;
    const int volume = sound ? sound->volume : 0;
    const int pitch = sound ? sound->pitch : 0;
    const std::string& name = named->getString();

    if (!play && name == "ALL")
    {
        impl->stopAll();
        return;
    }
    const Impl::SFX effect = impl->effects.find(name);
    if (effect.sound == 0)
        return;
    if (!play)
    {
        if (effect.source != 0)
            impl->stopSource(effect.source);
        return;
    }
    impl->start(effect, volume != 0 ? volume : static_cast<int>(effect.volume),
                pitch != 0 ? pitch : static_cast<int>(effect.pitch));
}

void SoundManager::setMusic(const std::string& name)
{
    if (name == music)
        return;
    const Impl::SFX old = impl->effects.find(music);
    if (old.source != 0)
        impl->stopSource(old.source);
    music = name;
    const Impl::SFX effect = impl->effects.find(name);
    impl->start(effect, static_cast<int>(effect.volume), static_cast<int>(effect.pitch));
}

void SoundManager::setEffects(bool on)
{
    effectsOn = on;
    if (!on)
        impl->stopAll();
}
} // namespace Game
