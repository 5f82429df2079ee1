// Ogg Vorbis files, decoded whole into 16-bit PCM when loaded.
#pragma once

#include "audio/decoders.h"

class TOggDecoder : public TSoundDecoder {
  public:
    // Mono files give mono samples; everything else gives stereo (front
    // left and front right of files with more channels). Null when the data
    // is not Ogg Vorbis or fails to decode.
    PcmSampleRef decode(const StreamRef& stream) override;
};
