#include "tests/fuzz/fuzz_audio.h"

#include "audio/mixer.h"
#include "audio/sound_data.h"
#include "tests/fuzz/fuzz_input.h"

#include <memory>

void check_and_mix(const TPcmSample& sample) {
    if (pcm_frame_bytes(sample.sample_format) == 0) fuzz_fail("decoded sample of unknown format");
    if (sample.hertz <= 0) fuzz_fail("decoded sample without a rate");
    if (sample.frame_count < 0 ||
        sample.byte_count() != static_cast<std::size_t>(sample.frame_count) *
                                   static_cast<std::size_t>(sample.frame_bytes()))
        fuzz_fail("decoded sample's frame count does not match its bytes");

    static std::int32_t accumulator[mixer::block_samples];
    for (int loop = 0; loop < 2; ++loop) {
        sound voice(nullptr);
        voice.reset();
        voice.data = std::make_shared<const sound_data>(sample, loop);
        voice.status.store(loop ? sound::LOOPED : sound::ONCE);
        mix_voice(voice, accumulator, 0);
        voice.rate.target.store(0x30000);
        mix_voice(voice, accumulator, 0);
    }
}
