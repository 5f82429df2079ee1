// RIFF WAVE files holding plain PCM: 8 or 16 bits, mono or stereo.
#pragma once

#include "audio/decoders.h"

class TWavDecoder : public TSoundDecoder {
  public:
    // Null for anything but PCM (format tag 1) at 8 or 16 bits in one or two
    // channels, or when no "data" chunk follows the format. Chunk sizes are
    // trusted only as far as the stream has bytes: a chunk claiming more
    // yields what is there.
    PcmSampleRef decode(const StreamRef& stream) override;
};
