#include "Game/SoundManager.h"

#include <map>
#include <unordered_map>
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

// For each name, whether it is that name's last mention. A source or sound set up again replaces what the
// earlier mention made without freeing it, so only the last mention of a name is set up: a list repeated
// through references would otherwise decode the same file, and hold its samples, once for every repeat.
std::vector<bool> lastMentions(const std::vector<std::string>& names)
{
    std::unordered_map<std::string, std::size_t> last;
    for (std::size_t i = 0; i < names.size(); ++i)
        last[names[i]] = i;
    std::vector<bool> isLast(names.size(), false);
    for (const auto& entry : last)
        isLast[entry.second] = true;
    return isLast;
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

    // The name's id, a new one from next when it has none yet.
    static int idOf(Util::BasicStore<std::string, int>& ids, const std::string& name, int& next)
    {
        int id = ids.find(name);
        if (id == 0)
        {
            id = next++;
            ids.add(name, id);
        }
        return id;
    }

    // SOUND_SOURCES: ids by first mention; false once the controller refuses one.
    bool addSources(const CFG::Info& info)
    {
        std::vector<std::string> names = listOf(info.get("SOUND_SOURCES"), ",");
        std::vector<bool> loops(names.size(), false);
        for (std::size_t i = 0; i < names.size(); ++i)
        {
            loops[i] = endsWith(names[i], LOOPS_SUFFIX);
            if (loops[i])
                names[i].erase(names[i].size() - LOOPS_SUFFIX.size());
        }
        const std::vector<bool> last = lastMentions(names);
        for (std::size_t i = 0; i < names.size(); ++i)
        {
            const int id = idOf(sources, names[i], nextSourceId);
            priorities.emplace(id, 0);
            if (last[i] && !controller->addSource(id, loops[i]))
                return false;
        }
        return true;
    }

    // SOUND_FILES: entries of a name and a file, read from SOUND_DIR; false once the controller refuses one.
    bool loadFiles(const CFG::Info& info)
    {
        const std::string dir = info.get("SOUND_DIR");
        std::vector<std::string> names;
        std::vector<std::string> files;
        for (const std::string& entry : listOf(info.get("SOUND_FILES"), ","))
        {
            const std::vector<std::string> parts = listOf(entry, ":");
            if (parts.size() != 2)
                continue;
            names.push_back(parts[0]);
            files.push_back(parts[1]);
        }
        const std::vector<bool> last = lastMentions(names);
        for (std::size_t i = 0; i < names.size(); ++i)
        {
            const int id = idOf(sounds, names[i], nextSoundId);
            if (last[i] && !controller->load(id, dir + files[i]))
                return false;
        }
        return true;
    }

    // GAME_EFFECTS: definitions of seven fields on a configured source.
    void readEffects(const CFG::Info& info)
    {
        for (const std::string& definition : listOf(info.get("GAME_EFFECTS"), "SFX:"))
        {
            const std::vector<std::string> fields = listOf(definition, ",");
            if (fields.size() != 7)
                continue;
            SFX effect;
            effect.sound = sounds.find(fields[1]);
            effect.source = sources.find(fields[2]);
            effect.volume = Util::strToNum<unsigned int>(fields[3], 10);
            effect.pitch = Util::strToNum<unsigned int>(fields[4], 10);
            effect.priority = Util::strToNum<int>(fields[5], 10);
            effect.busyMode = Util::strToNum<int>(fields[6], 10);
            if (effect.source == 0)
                continue;
            // The first definition with a configured sound wins.
            if (effects.find(fields[0]).sound != 0)
                continue;
            effects.add(fields[0], effect);
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
    if (!impl->addSources(info) || !impl->loadFiles(info))
        return false;
    impl->readEffects(info);
    return true;
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
