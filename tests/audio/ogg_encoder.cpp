#include "tests/audio/ogg_encoder.h"

#include <vorbis/vorbisenc.h>

#include <stdexcept>

namespace {

void append(std::string& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header),
               static_cast<std::size_t>(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), static_cast<std::size_t>(page.body_len));
}

} // namespace

std::string encode_ogg(int channels, int rate, int frames,
                       const std::function<float(int, int)>& signal) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, 0.4f) != 0)
        throw std::runtime_error("vorbis_encode_init_vbr refused the format");
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1234);

    std::string out;
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&dsp, &comment, &header, &comments, &codebooks);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &comments);
    ogg_stream_packetin(&stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page)) append(out, page);

    auto drain = [&] {
        ogg_packet packet;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page)) append(out, page);
            }
        }
    };
    for (int done = 0; done < frames;) {
        int n = std::min(1024, frames - done);
        float** buffer = vorbis_analysis_buffer(&dsp, n);
        for (int c = 0; c < channels; ++c)
            for (int i = 0; i < n; ++i) buffer[c][i] = signal(c, done + i);
        vorbis_analysis_wrote(&dsp, n);
        drain();
        done += n;
    }
    vorbis_analysis_wrote(&dsp, 0);
    drain();
    while (ogg_stream_flush(&stream, &page)) append(out, page);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}
