// The WAV decoder on any bytes, reached as the game reaches it: a URL opened
// through the stream layer and handed to decode_sound.
#include "audio/decoders.h"
#include "audio/wav_decoder.h"
#include "tests/fuzz/fuzz_audio.h"
#include "tests/fuzz/fuzz_input.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Only this decoder, so every input is the WAV decoder's to judge.
    static const bool registered = [] {
        register_sound_decoder(std::make_shared<TWavDecoder>());
        return true;
    }();
    (void)registered;
    serve_input(data, size);
    if (PcmSampleRef sample = decode_sound("fuzz::sound.wav")) check_and_mix(*sample);
    return 0;
}
