// Picture decoders and the list they are tried from.
#pragma once

#include "graphics/pixmap.h"
#include "system/stream.h"

#include <string>

class TPixmapDecoder {
  public:
    virtual ~TPixmapDecoder() = default;
    // The picture at the stream's position, or Null when this decoder does
    // not take the data. A stream error counts as not taking it.
    virtual PixmapRef load_pixmap(const StreamRef& stream) = 0;
};

// Puts a decoder at the head of the list: the newest is asked first.
void register_pixmap_decoder(std::shared_ptr<TPixmapDecoder> decoder);

PixmapRef load_pixmap(const std::string& url);
