#include "tools/artgen/ogg_out.h"

#include "tools/vorbis/vorbis_encoder.h"

#include <fstream>
#include <stdexcept>

void write_ogg(const std::string& path, const AudioBuffer& sound, float quality, int serial,
               const std::string& title) {
    std::string bytes;
    try {
        bytes =
            encode_vorbis(sound.channels, sound.rate, sound.frames(), quality, serial,
                          {{"TITLE", title}, {"ARTIST", "Orvessa"}},
                          [&](int channel, std::size_t frame) { return sound.at(frame, channel); });
    } catch (const std::runtime_error& e) {
        throw std::runtime_error(path + ": " + e.what());
    }
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("failed writing " + path);
}
