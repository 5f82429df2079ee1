// The mixer's cost: 64 voices (half 22050 Hz mono, half 44100 Hz stereo, all
// at volume 0.7, every other one looping) mixed for 10 s of output. Reports
// nanoseconds per voice per output frame (counter per_voice_frame).
#include "audio/mixing_driver.h"
#include "audio/pcm_sample.h"
#include "audio/sound.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

constexpr int voices = 64;
constexpr int output_seconds = 10;
constexpr int blocks = (44100 * output_seconds + mixer::block_frames - 1) / mixer::block_frames;

// Noise, so no run of samples is cheaper than another; long enough that
// the one-shots play all through.
SoundRef noise_clip(TMixingAudioDriver& driver, int hertz, int format, int loop, unsigned seed) {
    int frames = hertz * (loop ? 3 : output_seconds + 1);
    auto sample = std::make_shared<TPcmSample>(frames, hertz, format);
    std::mt19937 random(seed);
    std::uint8_t* bytes = sample->samples();
    for (std::size_t i = 0; i < sample->byte_count(); ++i)
        bytes[i] = static_cast<std::uint8_t>(random());
    return driver.create_sound(sample, loop, "");
}

std::int32_t fixed_clock() {
    return 0;
}

void BM_Mix64Voices(benchmark::State& state) {
    auto driver = std::make_shared<TMixingAudioDriver>();
    driver->engine()->set_clock(fixed_clock);
    std::vector<SoundRef> clips;
    for (int v = 0; v < voices; ++v) {
        bool mono = v < voices / 2;
        clips.push_back(noise_clip(*driver, mono ? 22050 : 44100, mono ? PCM_MONO16 : PCM_STEREO16,
                                   v % 2, static_cast<unsigned>(v)));
    }
    std::vector<std::int16_t> out(mixer::block_samples);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<ChannelRef> channels;
        for (const SoundRef& clip : clips) {
            ChannelRef channel = cue_sound(clip);
            set_channel_volume(channel, 0.7f);
            set_channel_paused(channel, 0);
            channels.push_back(channel);
        }
        state.ResumeTiming();
        for (int b = 0; b < blocks; ++b) driver->engine()->mix(out.data(), mixer::start_lead_ms);
        benchmark::DoNotOptimize(out.data());
        state.PauseTiming();
        for (const ChannelRef& channel : channels) stop_channel(channel);
        driver->engine()->mix(out.data(), 0);
        driver->engine()->mix(out.data(), 0);
        driver->collect_finished();
        state.ResumeTiming();
    }
    // CPU time per voice per output frame, printed with an SI prefix ("1.5n" is 1.5 ns).
    const double voice_frames = static_cast<double>(voices) * blocks * mixer::block_frames;
    state.counters["per_voice_frame"] = benchmark::Counter(
        voice_frames, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Mix64Voices)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
