#pragma once

#include <string>

namespace Sound
{
// The sound back end. Volumes and pitches are percentages (100 = as recorded); source and sound ids are
// chosen by the caller, counted from 1, and 0 means none.
class I_SoundController
{
public:
    virtual ~I_SoundController() = default;

    // False means the back end cannot play anything.
    virtual bool init() = 0;
    // A looping source repeats what it plays until it is stopped.
    virtual bool addSource(int id, bool loop) = 0;
    virtual bool load(int id, const std::string& file) = 0;
    // Plays sound on source from its start, replacing whatever the source was playing. A pitch of 0 or
    // less plays as recorded and a negative volume is silent.
    virtual void play(int source, int sound, int volume, int pitch) = 0;
    virtual void pause(int source) = 0;
    virtual void resume(int source) = 0;
    virtual void stop(int source) = 0;
    virtual bool isPlaying(int source) = 0;
    virtual void setVolume(int source, int volume) = 0;
    virtual void shutdown() = 0;
};
} // namespace Sound
