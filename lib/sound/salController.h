#pragma once

#include <cstddef>
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
    // The samples of all buffers it holds together, replaced ones included: room for the longest sound
    // one file may decode to and more, while a sounds file that names a small file that decodes to a
    // great deal under many names cannot take the machine's memory.
    static constexpr std::size_t MAX_HELD_BYTES = std::size_t(256) << 20;

    // A sound whose samples would take the held total past maxHeldBytes is not loaded.
    explicit salController(std::size_t maxHeldBytes = MAX_HELD_BYTES);
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
