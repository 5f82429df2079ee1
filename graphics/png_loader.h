// The PNG picture loader.
#pragma once

#include "graphics/pixmap_loader.h"

// Grey pictures become FORMAT_I8, colour FORMAT_RGB888, anything with alpha
// (an alpha channel or a transparency chunk) FORMAT_RGBA8888; palettes,
// low bit depths and 16-bit samples are brought to 8 bits a sample.
class TPngDecoder : public TPixmapDecoder {
  public:
    PixmapRef load_pixmap(const StreamRef& stream) override;
};

PixmapRef load_pixmap_png(const StreamRef& stream);
