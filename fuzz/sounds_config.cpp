// The sounds configuration: the sound manager reads its file over the override store with the silent
// controller and is then driven by a script. Parts (cut at FuzzFiles::PART_SEPARATOR): the sounds file,
// the settings file of the override store, the script. Script lines: "p NAME VOLUME PITCH" plays an
// effect (the name is the first word), "s NAME" stops one ("ALL" stops all), "S NAME" raises SOUND as a
// plain string event, as an input action does, "m NAME" sets the music ("m" alone stops it), "M NAME"
// raises a MUSIC event, "e" / "E" turns effects on or off.
#include <cstddef>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "EventScript.h"
#include "ScriptedFile.h"
#include "Game/SoundManager.h"
#include "events/EventBus.h"
#include "events/EventTypes.h"
#include "events/EventWithString.h"
#include "events/Event_Sound.h"
#include "sound/NullSoundController.h"

namespace
{
EVT::EventBus& bus()
{
    return Util::Singleton<EVT::EventBus>::instance();
}

void drive(Game::SoundManager& manager, const EventScript::Command& c)
{
    switch (c.letter)
    {
    case 'p':
    case 's':
    {
        std::istringstream in(c.text);
        std::string name;
        long volume = 0;
        long pitch = 0;
        in >> name >> volume >> pitch;
        EVT::Event_Sound event(EVT::EVENT_SOUND, name, c.letter == 'p', static_cast<int>(volume),
                               static_cast<int>(pitch));
        bus().raiseEvent(&event, false);
        break;
    }
    case 'S':
    {
        // A SOUND event raised by name, as a configured input action raises it.
        EVT::EventWithString event(EVT::EVENT_SOUND, c.text);
        bus().raiseEvent(&event, false);
        break;
    }
    case 'm':
        manager.setMusic(c.text);
        break;
    case 'M':
    {
        EVT::EventWithString event(EVT::EVENT_MUSIC, c.text);
        bus().raiseEvent(&event, false);
        break;
    }
    case 'e':
    case 'E':
        manager.setEffects(c.letter == 'e');
        break;
    default:
        break;
    }
}

// The silent controller, watching that one sounds file never sets up a source or sound twice: a name
// listed again, even a great many times through references, is set up once.
class OncePerId : public Sound::NullSoundController
{
public:
    bool addSource(int id, bool loop) override
    {
        if (!sources.insert(id).second)
            __builtin_trap();
        return NullSoundController::addSource(id, loop);
    }
    bool load(int id, const std::string& file) override
    {
        if (!sounds.insert(id).second)
            __builtin_trap();
        return NullSoundController::load(id, file);
    }

private:
    std::set<int> sources;
    std::set<int> sounds;
};

void readAndDrive(const std::string& file, const std::string& script)
{
    OncePerId silent;
    Game::SoundManager manager(&silent, file);
    manager.setEffects(true);
    EventScript::run(script, [&](const EventScript::Command& c) { drive(manager, c); });
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ScriptedFile::run(data, size, "sounds.cfg", readAndDrive);
    return 0;
}
