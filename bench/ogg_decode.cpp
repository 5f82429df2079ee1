// Loading a music track: the full decode of a 60 s stereo 44100 Hz Ogg
// Vorbis file, from memory, into 16-bit PCM.
#include "audio/decoders.h"
#include "system/memory_stream.h"
#include "tests/audio/ogg_encoder.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// Something like music: two drifting tones, a beat and a little noise.
float music(int channel, int frame) {
    double t = frame / 44100.0;
    double beat = std::fmod(t * 2, 1.0) < 0.1 ? 0.3 : 0.0;
    double noise = ((frame * 1103515245u + 12345u) >> 16 & 0x7fff) / 32768.0 - 0.5;
    return static_cast<float>(0.3 * std::sin(2 * M_PI * (220 + 30 * std::sin(t)) * t) +
                              0.2 * std::sin(2 * M_PI * (channel ? 330 : 277) * t) +
                              beat * std::sin(2 * M_PI * 60 * t) + 0.05 * noise);
}

void BM_DecodeOgg60s(benchmark::State& state) {
    static const std::string file = encode_ogg(2, 44100, 60 * 44100, music);
    register_sound_decoders();
    for (auto _ : state) {
        StreamRef stream =
            std::make_shared<TMemoryStream>(file.data(), static_cast<int>(file.size()), 1, 0);
        PcmSampleRef sample = decode_sound(stream);
        if (!sample || sample->frame_count != 60 * 44100) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(sample);
    }
    state.counters["file_kB"] = static_cast<double>(file.size()) / 1024.0;
}
BENCHMARK(BM_DecodeOgg60s)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

BENCHMARK_MAIN();
