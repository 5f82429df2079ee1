#include "graphics/font_source.h"

#include <forward_list>

namespace {

std::forward_list<std::shared_ptr<TFontDecoder>>& decoders() {
    static auto* list = new std::forward_list<std::shared_ptr<TFontDecoder>>;
    return *list;
}

} // namespace

void register_font_decoder(std::shared_ptr<TFontDecoder> decoder) {
    if (decoder) decoders().push_front(std::move(decoder));
}

FontSourceRef load_font_source(const std::string& url, int size, int style) {
    for (const auto& decoder : decoders())
        if (FontSourceRef font = decoder->load_font(url, size, style)) return font;
    return nullptr;
}
