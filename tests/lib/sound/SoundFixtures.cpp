#include "SoundFixtures.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include <vorbis/vorbisenc.h>

namespace SoundFixtures
{
std::string le16(std::uint32_t v)
{
    return std::string{static_cast<char>(v & 0xff), static_cast<char>((v >> 8) & 0xff)};
}

std::string le32(std::uint32_t v)
{
    return le16(v & 0xffff) + le16(v >> 16);
}

std::string chunk(const std::string& id, const std::string& payload, bool pad)
{
    std::string out = id + le32(static_cast<std::uint32_t>(payload.size())) + payload;
    if (pad && payload.size() % 2 == 1)
        out += '\0';
    return out;
}

std::string fmtPayload(int format, int channels, int rate, int bits, int extra)
{
    const int blockAlign = channels * bits / 8;
    return le16(format) + le16(channels) + le32(rate) + le32(rate * blockAlign) + le16(blockAlign) +
           le16(bits) + std::string(extra, '\0');
}

std::string riffWave(const std::string& chunks)
{
    return "RIFF" + le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

std::string pcmTone(int channels, int bits, int rate, double seconds, double amplitude, double frequency)
{
    const int frames = static_cast<int>(rate * seconds);
    std::string out;
    for (int i = 0; i < frames; ++i)
    {
        const double v = amplitude * std::sin(2.0 * M_PI * frequency * i / rate);
        for (int c = 0; c < channels; ++c)
        {
            if (bits == 8)
                out += static_cast<char>(static_cast<unsigned char>(std::lround(128.0 + 127.0 * v)));
            else
                out += le16(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(32767.0 * v))));
        }
    }
    return out;
}

std::string wavTone(int channels, int bits, int rate, double seconds, double amplitude)
{
    return riffWave(chunk("fmt ", fmtPayload(1, channels, rate, bits)) +
                    chunk("data", pcmTone(channels, bits, rate, seconds, amplitude)));
}

std::vector<float> floatTone(int channels, int rate, double seconds, double amplitude)
{
    const int frames = static_cast<int>(rate * seconds);
    std::vector<float> out;
    out.reserve(static_cast<std::size_t>(frames) * channels);
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            out.push_back(static_cast<float>(amplitude * std::sin(2.0 * M_PI * 440.0 * i / rate)));
    return out;
}

namespace
{
void addPage(OggStream& out, const ogg_page& page)
{
    out.pageStarts.push_back(out.bytes.size());
    out.bytes.append(reinterpret_cast<const char*>(page.header), page.header_len);
    out.bytes.append(reinterpret_cast<const char*>(page.body), page.body_len);
}
} // namespace

OggStream encodeOgg(int channels, int rate, const std::vector<float>& samples, int serial, bool smallPages)
{
    OggStream out;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, rate, 0.4f) != 0)
    {
        vorbis_info_clear(&vi);
        throw std::runtime_error("vorbis encoder refused the layout");
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block vb;
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, serial);

    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comments);
    ogg_stream_packetin(&os, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&os, &page))
        addPage(out, page);

    auto drain = [&]()
    {
        ogg_packet packet;
        while (vorbis_analysis_blockout(&vd, &vb) == 1)
        {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            while (vorbis_bitrate_flushpacket(&vd, &packet))
            {
                ogg_stream_packetin(&os, &packet);
                while (smallPages ? ogg_stream_flush(&os, &page) : ogg_stream_pageout(&os, &page))
                    addPage(out, page);
            }
        }
    };

    const std::size_t frames = samples.size() / channels;
    const std::size_t step = 1024;
    for (std::size_t start = 0; start < frames; start += step)
    {
        const std::size_t n = std::min(step, frames - start);
        float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(n));
        for (std::size_t i = 0; i < n; ++i)
            for (int c = 0; c < channels; ++c)
                buffer[c][i] = samples[(start + i) * channels + c];
        vorbis_analysis_wrote(&vd, static_cast<int>(n));
        drain();
    }
    vorbis_analysis_wrote(&vd, 0);
    drain();
    while (ogg_stream_flush(&os, &page))
        addPage(out, page);

    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out;
}

std::string oggBomb(int channels, int rate, std::size_t packets)
{
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, rate, 0.4f) != 0)
    {
        vorbis_info_clear(&vi);
        throw std::runtime_error("vorbis encoder refused the layout");
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_analysis_init(&vd, &vi);
    ogg_stream_state os;
    ogg_stream_init(&os, 1);
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comments);
    ogg_stream_packetin(&os, &codebooks);
    OggStream out;
    ogg_page page;
    while (ogg_stream_flush(&os, &page))
        addPage(out, page);

    // One byte per block, read from its lowest bit up: an audio packet (0), the second mode, which uses
    // long blocks (1), long blocks before and after it (1, 1), and then for every channel a floor that
    // is not used (0): a whole long block of silence.
    const long blockSamples = vorbis_info_blocksize(&vi, 1) / 2;
    unsigned char silence = 0x0e;
    ogg_int64_t granule = 0;
    for (std::size_t i = 0; i < packets; ++i)
    {
        ogg_packet packet{};
        packet.packet = &silence;
        packet.bytes = 1;
        packet.packetno = static_cast<ogg_int64_t>(i) + 3;
        granule += blockSamples;
        packet.granulepos = granule;
        packet.e_o_s = i + 1 == packets;
        ogg_stream_packetin(&os, &packet);
        while (ogg_stream_pageout(&os, &page))
            addPage(out, page);
    }
    while (ogg_stream_flush(&os, &page))
        addPage(out, page);

    ogg_stream_clear(&os);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out.bytes;
}
} // namespace SoundFixtures
