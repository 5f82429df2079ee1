#include "audio/sdl_port.h"

#include "audio/mixer.h"
#include "audio/shared_sample.h"
#include "platform/platform.h"

#include <atomic>

sdlport::~sdlport() {
    close();
}

bool sdlport::open(const std::int16_t* ring, int ring_bytes) {
    if (open_) return false;
    ring_ = ring;
    ring_bytes_ = ring_bytes;
    played_.store(0);
    platform::AudioSpec spec;
    spec.rate = mixer::output_rate;
    spec.channels = mixer::output_channels;
    spec.buffer_frames = mixer::block_frames;
    open_ = platform::open_audio(spec, fill, this);
    return open_;
}

bool sdlport::start() {
    if (!open_) return false;
    platform::pause_audio(false);
    return true;
}

void sdlport::reset() {
    if (!open_) return;
    platform::pause_audio(true);
    played_.store(0);
}

void sdlport::publish(std::uint64_t samples_written) {
    published_.store(samples_written, std::memory_order_release);
}

void sdlport::serve_from_this_thread() {
    // The device's thread runs urgently; were the mixing thread left behind
    // busy work, the device would catch up with it: an underrun.
    platform::make_thread_urgent();
}

bool sdlport::serve_on_playback(std::function<void()> step) {
    on_playback_ = std::move(step);
    return true;
}

void sdlport::close() {
    if (!open_) return;
    platform::close_audio();
    open_ = false;
}

// On the audio thread: the next `bytes` of the ring, wrapping at its end.
void sdlport::fill(void* user, std::uint8_t* stream, int bytes) {
    auto* port = static_cast<sdlport*>(user);
    if (port->on_playback_) port->on_playback_();
    // Pairs with publish(): makes the mixing thread's ring writes visible here.
    (void)port->published_.load(std::memory_order_acquire);
    std::uint64_t played = port->played_.load(std::memory_order_relaxed);
    const int ring_samples = port->ring_bytes_ / 2;
    int at = static_cast<int>((played / 2) % static_cast<std::uint64_t>(ring_samples));
    // Sample by sample through atomic loads: after a long stall of the
    // mixing thread it may be writing the fragment played here (an
    // underrun, which the service step then deals with).
    for (int i = 0; i + 1 < bytes; i += 2) {
        auto sample = static_cast<std::uint16_t>(load_shared_sample(port->ring_[at]));
        stream[i] = static_cast<std::uint8_t>(sample & 0xff);
        stream[i + 1] = static_cast<std::uint8_t>(sample >> 8);
        if (++at == ring_samples) at = 0;
    }
    port->played_.store(played + static_cast<std::uint64_t>(bytes), std::memory_order_release);
}
