#include "tools/artgen/ogg_out.h"

#include <cstdio>
#include <stdexcept>
#include <vorbis/vorbisenc.h>

namespace {

struct OggFile {
    FILE* file;
    bool ok = true;
    void page(const ogg_page& p) {
        ok = ok && std::fwrite(p.header, 1, static_cast<std::size_t>(p.header_len), file) ==
                       static_cast<std::size_t>(p.header_len);
        ok = ok && std::fwrite(p.body, 1, static_cast<std::size_t>(p.body_len), file) ==
                       static_cast<std::size_t>(p.body_len);
    }
};

} // namespace

void write_ogg(const std::string& path, const AudioBuffer& sound, float quality, int serial,
               const std::string& title) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, sound.channels, sound.rate, quality) != 0) {
        vorbis_info_clear(&info);
        throw std::runtime_error("vorbis encoder refused the format of " + path);
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "TITLE", title.c_str());
    vorbis_comment_add_tag(&comment, "ARTIST", "Orvessa");

    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, serial);

    OggFile out{std::fopen(path.c_str(), "wb")};
    if (!out.file) {
        ogg_stream_clear(&stream);
        vorbis_block_clear(&block);
        vorbis_dsp_clear(&dsp);
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
        throw std::runtime_error("cannot write " + path);
    }

    ogg_packet header, header_comment, header_code;
    vorbis_analysis_headerout(&dsp, &comment, &header, &header_comment, &header_code);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &header_comment);
    ogg_stream_packetin(&stream, &header_code);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0) out.page(page);

    const std::size_t chunk = 4096;
    std::size_t frames = sound.frames();
    std::size_t done = 0;
    bool end = false;
    while (!end) {
        std::size_t n = frames - done < chunk ? frames - done : chunk;
        if (n == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
            for (std::size_t i = 0; i < n; ++i)
                for (int c = 0; c < sound.channels; ++c) buffer[c][i] = sound.at(done + i, c);
            vorbis_analysis_wrote(&dsp, static_cast<int>(n));
            done += n;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    out.page(page);
                    if (ogg_page_eos(&page)) end = true;
                }
            }
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    bool ok = out.ok;
    ok = std::fclose(out.file) == 0 && ok;
    if (!ok) throw std::runtime_error("failed writing " + path);
}
