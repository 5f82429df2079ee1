#include "tools/vorbis/vorbis_encoder.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <stdexcept>

namespace {

void append(std::string& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header),
               static_cast<std::size_t>(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), static_cast<std::size_t>(page.body_len));
}

} // namespace

std::string encode_vorbis(int channels, long rate, std::size_t frames, float quality, int serial,
                          const std::vector<VorbisTag>& tags,
                          const std::function<float(int, std::size_t)>& sample) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, quality) != 0) {
        vorbis_info_clear(&info);
        throw std::runtime_error("the Vorbis encoder refused " + std::to_string(channels) +
                                 " channels at " + std::to_string(rate) + " Hz");
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    for (const VorbisTag& tag : tags)
        vorbis_comment_add_tag(&comment, tag.name.c_str(), tag.value.c_str());
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, serial);

    // The three header packets go on pages of their own, as players expect.
    std::string out;
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&dsp, &comment, &header, &comments, &codebooks);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &comments);
    ogg_stream_packetin(&stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0) append(out, page);

    auto drain = [&] {
        ogg_packet packet;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) append(out, page);
            }
        }
    };
    const std::size_t chunk = 4096;
    for (std::size_t done = 0; done < frames;) {
        std::size_t n = std::min(chunk, frames - done);
        float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
        for (int c = 0; c < channels; ++c)
            for (std::size_t i = 0; i < n; ++i) buffer[c][i] = sample(c, done + i);
        vorbis_analysis_wrote(&dsp, static_cast<int>(n));
        drain();
        done += n;
    }
    // Zero frames written marks the end: the last packet carries end-of-stream.
    vorbis_analysis_wrote(&dsp, 0);
    drain();
    while (ogg_stream_flush(&stream, &page) != 0) append(out, page);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}
