#include "tests/audio/ogg_encoder.h"

#include "tools/vorbis/vorbis_encoder.h"

std::string encode_ogg(int channels, int rate, int frames,
                       const std::function<float(int, int)>& signal) {
    return encode_vorbis(
        channels, rate, static_cast<std::size_t>(frames > 0 ? frames : 0), 0.4f, 1234, {},
        [&](int channel, std::size_t frame) { return signal(channel, static_cast<int>(frame)); });
}
