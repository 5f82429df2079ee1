// Sound decoders: each turns the bytes of one file format into a TPcmSample.
//
// Decoders are kept in a list headed by the newest; decode_sound asks each in
// turn, from the same starting position, until one recognises the data.
#pragma once

#include "audio/pcm_sample.h"
#include "system/stream.h"

#include <memory>
#include <string>

class TSoundDecoder {
  public:
    virtual ~TSoundDecoder() = default;
    // The decoded sound, or Null when the data is not in this decoder's
    // format. May raise a TStreamError when the stream fails; that too means
    // "not mine" to decode_sound.
    virtual PcmSampleRef decode(const StreamRef& stream) = 0;
};

// Puts a decoder at the head of the list: it is asked before older ones.
void register_sound_decoder(std::shared_ptr<TSoundDecoder> decoder);

// Registers the WAV decoder, then the Ogg Vorbis decoder (asked first).
// Does nothing after the first call.
void register_sound_decoders();

// Opens the URL and decodes it with the first decoder that takes it, then
// closes the stream. Null when the URL cannot be opened or nothing decodes
// it. Raises "Stream is not seekable" for a stream without positions.
PcmSampleRef decode_sound(const std::string& url);

// The same over a stream that is already open; the stream is left open.
PcmSampleRef decode_sound(const StreamRef& stream);
