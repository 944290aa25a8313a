#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Sound files made by the tests themselves: WAV bytes chunk by chunk, Ogg Vorbis through libvorbisenc.
namespace SoundFixtures
{
std::string le16(std::uint32_t v);
std::string le32(std::uint32_t v);

// One RIFF chunk; an odd-sized payload gets its pad byte unless pad is false.
std::string chunk(const std::string& id, const std::string& payload, bool pad = true);
// The payload of a format chunk; extra bytes beyond the usual 16 are appended as zeros.
std::string fmtPayload(int format, int channels, int rate, int bits, int extra = 0);
// "RIFF", a size, "WAVE", then the chunks as given.
std::string riffWave(const std::string& chunks);

// A sine tone as interleaved PCM bytes (8-bit unsigned or 16-bit signed little-endian).
std::string pcmTone(int channels, int bits, int rate, double seconds, double amplitude = 0.5,
                    double frequency = 440.0);
// A whole, ordinary PCM WAV file of a sine tone.
std::string wavTone(int channels, int bits, int rate, double seconds, double amplitude = 0.5);

// Interleaved float samples of a sine tone.
std::vector<float> floatTone(int channels, int rate, double seconds, double amplitude = 0.5);

struct OggStream
{
    std::string bytes;
    std::vector<std::size_t> pageStarts; // offset of every page in bytes
};
// Encodes interleaved samples as one Ogg Vorbis stream. With smallPages every block of audio gets a page
// of its own, so the stream has many pages to damage.
OggStream encodeOgg(int channels, int rate, const std::vector<float>& samples, int serial = 1,
                    bool smallPages = false);
// A valid Ogg Vorbis stream of the given number of one-byte audio packets, each decoding to a whole long
// block of silence: a small file that decodes to a great deal of data.
std::string oggBomb(int channels, int rate, std::size_t packets);
} // namespace SoundFixtures
