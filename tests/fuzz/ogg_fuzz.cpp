// The Ogg Vorbis loader on any bytes: vorbisfile reading through our stream
// callbacks, reached through decode_sound as the game loads its music.
#include "audio/decoders.h"
#include "audio/ogg_decoder.h"
#include "tests/fuzz/crc_fixup.h"
#include "tests/fuzz/fuzz_audio.h"
#include "tests/fuzz/fuzz_input.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = [] {
        register_sound_decoder(std::make_shared<TOggDecoder>());
        return true;
    }();
    (void)registered;
    serve_input(data, size);
    if (PcmSampleRef sample = decode_sound("fuzz::music.ogg")) check_and_mix(*sample);
    return 0;
}

#ifdef ORVESSA_LIBFUZZER
// Ogg pages carry a checksum that almost every mutation breaks, and libogg
// drops such pages before vorbis sees them. Most mutations therefore get
// their page checksums made right again, so the decoder behind is reached.
extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t max_size);
extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t max_size, unsigned int seed) {
    size = LLVMFuzzerMutate(data, size, max_size);
    if (seed % 8 != 0) fix_ogg_page_crcs(data, size);
    return size;
}
#endif
