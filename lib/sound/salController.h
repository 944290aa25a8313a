#pragma once

#include <memory>
#include <string>

#include "sound/I_SoundController.h"
#include "util/NonCopyable.h"

namespace SAL
{
// Plays through OpenAL on the system's default device: one OpenAL source per source id and one buffer
// per sound id. WAV and Ogg Vorbis files are read whole when loaded.
class salController : public Sound::I_SoundController, private Util::NonCopyable<salController>
{
public:
    salController();
    ~salController() override;

    bool init() override;
    bool addSource(int id, bool loop) override;
    bool load(int id, const std::string& file) override;
    void play(int source, int sound, int volume, int pitch) override;
    void pause(int source) override;
    void resume(int source) override;
    void stop(int source) override;
    bool isPlaying(int source) override;
    void setVolume(int source, int volume) override;
    // Nothing to do: the device is released by the destructor.
    void shutdown() override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};
} // namespace SAL
