#include "sound/salController.h"

#include <algorithm>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include <AL/al.h>
#include <AL/alc.h>

#include "sound/OGGFile.h"
#include "sound/WAVFile.h"

namespace SAL
{
struct salController::Impl
{
    struct SoundBuffer_s
    {
        int id = -1;
        int fileType = 0; // 1 Ogg Vorbis, 2 WAV
        ALuint alBuffer = 0;
    };

    struct SourceBuffer_s
    {
        int id = -1;
        ALuint alSource = 0;
        bool loop = false;
    };

    explicit Impl(std::size_t maxHeld) : maxHeldBytes(maxHeld) {}

    std::size_t maxHeldBytes;
    std::size_t heldBytes = 0;
    bool initialised = false;
    ALCcontext* context = nullptr;
    std::map<int, SoundBuffer_s> soundBuffers;
    std::map<int, SourceBuffer_s> sourceBuffers;
    std::map<int, int> lastSound;
    // Every source and buffer ever made, replaced records included, so that all are released before the
    // context goes.
    std::vector<ALuint> allSources;
    std::vector<ALuint> allBuffers;

    // The OpenAL source that last played a loaded sound on source, or null.
    const SourceBuffer_s* playedSource(int source)
    {
        const auto src = sourceBuffers.find(source);
        if (src == sourceBuffers.end())
            return nullptr;
        const int sound = lastSound[source];
        if (soundBuffers.find(sound) == soundBuffers.end())
            return nullptr;
        return &src->second;
    }

    ALuint makeBuffer(ALenum format, const std::vector<char>& data, int rate);
    void release();
};

namespace
{
float gainOf(int volume)
{
    return volume < 0 ? 0.0f : static_cast<float>(volume / 100.0);
}

// OpenAL accepts a pitch of 0, and a source at that pitch never ends, which would also hold its priority
// for ever.
float pitchOf(int pitch)
{
    return pitch <= 0 ? 1.0f : static_cast<float>(pitch / 100.0);
}

std::string extensionOf(const std::string& file)
{
    const std::string::size_type dot = file.rfind('.');
    return dot == std::string::npos ? file : file.substr(dot + 1);
}

ALenum formatOf(int channels, int bits)
{
    if (channels == 1)
        return bits == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16;
    return bits == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16;
}
} // namespace

// A filled buffer, or 0 when OpenAL refused the data (the buffer is then deleted again).
ALuint salController::Impl::makeBuffer(ALenum format, const std::vector<char>& data, int rate)
{
    // A size OpenAL cannot be told would reach it cut short or negative.
    if (data.size() > static_cast<std::size_t>(std::numeric_limits<ALsizei>::max()))
        return 0;
    // An error left pending by an earlier call must not be taken for this one's.
    alGetError();
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR)
        return 0;
    alBufferData(buffer, format, data.data(), static_cast<ALsizei>(data.size()), rate);
    if (alGetError() != AL_NO_ERROR)
    {
        alDeleteBuffers(1, &buffer);
        alGetError();
        return 0;
    }
    allBuffers.push_back(buffer);
    heldBytes += data.size();
    return buffer;
}

void salController::Impl::release()
{
    if (!initialised)
        return;
    if (alcGetCurrentContext() != context)
        alcMakeContextCurrent(context);
    // Sources first: a buffer still attached to a source cannot be deleted.
    for (ALuint source : allSources)
    {
        alSourceStop(source);
        alDeleteSources(1, &source);
    }
    for (ALuint buffer : allBuffers)
        alDeleteBuffers(1, &buffer);
    alGetError();
    allSources.clear();
    allBuffers.clear();

    if (alcMakeContextCurrent(nullptr))
    {
        ALCdevice* device = alcGetContextsDevice(context);
        alcGetError(device);
        alcDestroyContext(context);
        if (alcGetError(device) == ALC_NO_ERROR)
            alcCloseDevice(device);
    }
    initialised = false;
    context = nullptr;
}

salController::salController(std::size_t maxHeldBytes) : impl(new Impl(maxHeldBytes)) {}

salController::~salController()
{
    impl->release();
}

bool salController::init()
{
    if (impl->initialised)
    {
        alListener3f(AL_POSITION, 0.0f, 0.0f, 0.0f);
        return true;
    }
    ALCdevice* device = alcOpenDevice(nullptr);
    if (!device)
        return false;
    ALCcontext* context = alcCreateContext(device, nullptr);
    if (!context)
    {
        alcCloseDevice(device);
        return false;
    }
    if (!alcMakeContextCurrent(context))
    {
        alcDestroyContext(context);
        alcCloseDevice(device);
        return false;
    }
    impl->initialised = true;
    impl->context = context;
    alListener3f(AL_POSITION, 0.0f, 0.0f, 0.0f);
    return true;
}

bool salController::addSource(int id, bool loop)
{
    if (!impl->initialised)
        return false;
    // An error left pending by an earlier call must not be taken for this one's.
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR)
        return false;
    alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSourcei(source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
    if (alGetError() != AL_NO_ERROR)
    {
        alDeleteSources(1, &source);
        alGetError();
        return false;
    }
    impl->allSources.push_back(source);
    Impl::SourceBuffer_s& record = impl->sourceBuffers[id];
    record.id = id;
    record.alSource = source;
    record.loop = loop;
    return true;
}

bool salController::load(int id, const std::string& file)
{
    if (!impl->initialised)
        return false;
    const std::string extension = extensionOf(file);
    const std::size_t room = impl->maxHeldBytes - std::min(impl->heldBytes, impl->maxHeldBytes);
    ALuint buffer = 0;
    int fileType = 0;
    if (extension == "wav")
    {
        Media::WAVFile wav(file.c_str());
        if (!wav.load() || wav.getData().size() > room)
            return false;
        buffer = impl->makeBuffer(formatOf(wav.getNumChannels(), wav.getBitsPerSample()), wav.getData(),
                                  wav.getRate());
        fileType = 2;
    }
    else if (extension == "ogg")
    {
        // Decoding stops where the samples would no longer fit.
        Media::OGGFile ogg(file.c_str(), std::min(Media::OGGFile::MAX_DECODED_BYTES, room));
        if (!ogg.load())
            return false;
        buffer = impl->makeBuffer(formatOf(ogg.getNumChannels(), 16), ogg.getData(), ogg.getRate());
        fileType = 1;
    }
    if (buffer == 0)
        return false;
    Impl::SoundBuffer_s& record = impl->soundBuffers[id];
    record.id = id;
    record.fileType = fileType;
    record.alBuffer = buffer;
    return true;
}

void salController::play(int source, int sound, int volume, int pitch)
{
    const auto src = impl->sourceBuffers.find(source);
    const auto snd = impl->soundBuffers.find(sound);
    if (src == impl->sourceBuffers.end() || snd == impl->soundBuffers.end())
        return;
    const ALuint alSource = src->second.alSource;
    alSourceStop(alSource);
    alSourcei(alSource, AL_BUFFER, static_cast<ALint>(snd->second.alBuffer));
    alSourcef(alSource, AL_GAIN, gainOf(volume));
    alSourcef(alSource, AL_PITCH, pitchOf(pitch));
    alSourcePlay(alSource);
    impl->lastSound[source] = sound;
}

void salController::pause(int source)
{
    if (const Impl::SourceBuffer_s* src = impl->playedSource(source))
        alSourcePause(src->alSource);
}

void salController::resume(int source)
{
    if (const Impl::SourceBuffer_s* src = impl->playedSource(source))
        alSourcePlay(src->alSource);
}

void salController::stop(int source)
{
    if (const Impl::SourceBuffer_s* src = impl->playedSource(source))
        alSourceStop(src->alSource);
}

bool salController::isPlaying(int source)
{
    const Impl::SourceBuffer_s* src = impl->playedSource(source);
    if (!src)
        return false;
    ALint state = AL_STOPPED;
    alGetSourcei(src->alSource, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

void salController::setVolume(int source, int volume)
{
    if (const Impl::SourceBuffer_s* src = impl->playedSource(source))
        alSourcef(src->alSource, AL_GAIN, gainOf(volume));
}

void salController::shutdown() {}
} // namespace SAL
