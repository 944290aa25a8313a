#pragma once

#include <memory>
#include <string>

#include "events/I_EventConsumer.h"
#include "util/NonCopyable.h"

namespace Sound
{
class I_SoundController;
}

namespace Game
{
// Plays the configured sound effects and music when SOUND and MUSIC events arrive. A sounds
// configuration names the playback sources, the sound files and the effects with their volume, pitch,
// priority and what to do when their source is busy.
class SoundManager : public EVT::I_EventConsumer, private Util::NonCopyable<SoundManager>
{
public:
    // controller is not owned; without one that initialises, a silent one stands in and no file is read.
    SoundManager(Sound::I_SoundController* controller, const std::string& soundsFile);
    ~SoundManager() override;

    void handleEvent(EVT::I_Event* event) override;
    // Stops the music now playing and starts the effect called name in its place; "" only stops.
    virtual void setMusic(const std::string& name);
    // SOUND events are obeyed only while effects are on; turning them off stops every effect's source.
    virtual void setEffects(bool on);
    // Reads the sounds configuration and hands its sources and sounds to the controller; false when a
    // source or sound was refused (what was set up before stays).
    virtual bool loadSounds(const std::string& file);

private:
    class Impl;

    Sound::I_SoundController* controller;
    std::string music;
    bool effectsOn;
    std::unique_ptr<Impl> impl;
};
} // namespace Game
