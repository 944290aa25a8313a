#pragma once

#include "sound/I_SoundController.h"

namespace Sound
{
// A back end that accepts everything and plays nothing; used when no real one can be had.
class NullSoundController : public I_SoundController
{
public:
    bool init() override;
    bool addSource(int id, bool loop) override;
    bool load(int id, const std::string& file) override;
    void play(int source, int sound, int volume, int pitch) override;
    void pause(int source) override;
    void resume(int source) override;
    void stop(int source) override;
    bool isPlaying(int source) override;
    void setVolume(int source, int volume) override;
    void shutdown() override;
};
} // namespace Sound
