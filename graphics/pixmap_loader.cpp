#include "graphics/pixmap_loader.h"

#include "system/runtime_error.h"
#include "system/streams.h"

#include <forward_list>

namespace {

std::forward_list<std::shared_ptr<TPixmapDecoder>>& decoders() {
    static auto* list = new std::forward_list<std::shared_ptr<TPixmapDecoder>>;
    return *list;
}

} // namespace

void register_pixmap_decoder(std::shared_ptr<TPixmapDecoder> decoder) {
    if (decoder) decoders().push_front(std::move(decoder));
}

PixmapRef load_pixmap(const std::string& url) {
    StreamRef stream = open_read_stream(url);
    if (!stream) return nullptr;
    PixmapRef result;
    // Every decoder starts from the same place, so the stream must seek.
    int start = stream->pos();
    if (start != -1) {
        for (const auto& decoder : decoders()) {
            if (stream->seek(start) != start) break;
            try {
                result = decoder->load_pixmap(stream);
            } catch (const TStreamError&) {
                result = nullptr;
            }
            if (result) break;
        }
    }
    close_stream(stream);
    return result;
}
