#include "audio/decoders.h"

#include "audio/ogg_decoder.h"
#include "audio/wav_decoder.h"
#include "system/runtime_error.h"
#include "system/streams.h"

#include <vector>

namespace {

// Newest first. Never destroyed: decoders may be used until the process ends.
std::vector<std::shared_ptr<TSoundDecoder>>& decoder_list() {
    static auto* list = new std::vector<std::shared_ptr<TSoundDecoder>>;
    return *list;
}

// Closes the stream however decoding ends, error or not.
struct StreamCloser {
    const StreamRef& stream;
    ~StreamCloser() { close_stream(stream); }
};

} // namespace

void register_sound_decoder(std::shared_ptr<TSoundDecoder> decoder) {
    if (!decoder) return;
    auto& list = decoder_list();
    list.insert(list.begin(), std::move(decoder));
}

void register_sound_decoders() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    register_sound_decoder(std::make_shared<TWavDecoder>());
    register_sound_decoder(std::make_shared<TOggDecoder>());
}

PcmSampleRef decode_sound(const StreamRef& stream) {
    if (!stream) return nullptr;
    int start = stream->pos();
    if (start < 0) raise_runtime_error("Stream is not seekable");
    // A copy, so that a decoder registered while decoding cannot upset the walk.
    auto decoders = decoder_list();
    for (const auto& decoder : decoders) {
        stream->seek(start);
        try {
            if (PcmSampleRef sample = decoder->decode(stream)) return sample;
        } catch (const TStreamError&) {
            // The data ran out or broke off under this decoder: not its format.
        }
    }
    return nullptr;
}

PcmSampleRef decode_sound(const std::string& url) {
    StreamRef stream = open_read_stream(url);
    if (!stream) return nullptr;
    StreamCloser closer{stream};
    return decode_sound(stream);
}
