#include "audio/mixer.h"

#include "audio/shared_sample.h"

#include "system/messages.h"

#include <atomic>

mixer::mixer() : clock_(clock_ms) {}

mixer::~mixer() {
    while (sound* voice = voices_) {
        voices_ = voice->next;
        delete voice;
    }
    sound* voice = nullptr;
    while (starting_.pop(voice)) delete voice;
    while (finished_.pop(voice)) delete voice;
}

bool mixer::start(sound* voice) {
    return starting_.push(voice);
}

sound* mixer::take_finished() {
    sound* voice = nullptr;
    return finished_.pop(voice) ? voice : nullptr;
}

int mixer::voice_count() const {
    int count = 0;
    for (sound* voice = voices_; voice; voice = voice->next) ++count;
    return count;
}

void mixer::mix(std::int16_t* out, std::int32_t now_ms) {
    take_new_voices(now_ms);
    mix_voices();
    convert(out);
    blocks_mixed_.fetch_add(1, std::memory_order_release);
}

void mixer::take_new_voices(std::int32_t now_ms) {
    sound* voice = nullptr;
    while (starting_.pop(voice)) {
        // Wrapping difference: the clock wraps modulo 2^32.
        auto since = static_cast<std::int32_t>(static_cast<std::uint32_t>(voice->request_ms) -
                                               static_cast<std::uint32_t>(now_ms));
        std::int64_t delay_ms = static_cast<std::int64_t>(since) + start_lead_ms;
        if (delay_ms < 0) delay_ms = 0;
        voice->start_delay = delay_ms * output_rate / 1000;
        voice->next = voices_;
        voices_ = voice;
    }
}

void mixer::mix_voices() {
    sound** link = &voices_;
    while (sound* voice = *link) {
        int status = voice->status.load();
        if (status == 0) {
            // Free: back to the game thread. A full reuse ring keeps the voice
            // here until the next block; nothing is freed on this thread.
            // The link is read first: once pushed, the voice is the game's.
            sound* after = voice->next;
            if (finished_.push(voice)) {
                *link = after;
                continue;
            }
        } else if (status == sound::STOPPED) {
            if (voice->temporary.load()) voice->status.compare_exchange_strong(status, 0);
        } else if (!(status & sound::PAUSED)) {
            if (voice->start_delay >= block_frames) {
                voice->start_delay -= block_frames;
            } else {
                int first = static_cast<int>(voice->start_delay);
                voice->start_delay = 0;
                mix_voice(*voice, accumulator_, first);
            }
        }
        link = &voice->next;
    }
}

void mixer::convert(std::int16_t* out) {
    for (int i = 0; i < block_samples; ++i) {
        std::int32_t a = accumulator_[i];
        std::int16_t sample = a > 524271    ? std::int16_t{32767}
                              : a < -524288 ? std::int16_t{-32768}
                                            : static_cast<std::int16_t>(a >> 4);
        // Atomic (and as cheap as a plain store): when the mixing falls far
        // behind, the device may be playing this very fragment.
        store_shared_sample(out[i], sample);
        accumulator_[i] = 0;
    }
}
