#include "audio/sdl_port.h"

#include "audio/mixer.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstring>

sdlport::~sdlport() {
    close();
}

bool sdlport::open(const std::int16_t* ring, int ring_bytes) {
    if (open_) return false;
    ring_ = reinterpret_cast<const std::uint8_t*>(ring);
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

void sdlport::close() {
    if (!open_) return;
    platform::close_audio();
    open_ = false;
}

// On the audio thread: the next `bytes` of the ring, wrapping at its end.
void sdlport::fill(void* user, std::uint8_t* stream, int bytes) {
    auto* port = static_cast<sdlport*>(user);
    // Pairs with publish(): makes the mixing thread's ring writes visible here.
    (void)port->published_.load(std::memory_order_acquire);
    std::uint64_t played = port->played_.load(std::memory_order_relaxed);
    int at = static_cast<int>(played % static_cast<std::uint64_t>(port->ring_bytes_));
    int done = 0;
    while (done < bytes) {
        int piece = std::min(bytes - done, port->ring_bytes_ - at);
        std::memcpy(stream + done, port->ring_ + at, static_cast<std::size_t>(piece));
        done += piece;
        at = 0;
    }
    port->played_.store(played + static_cast<std::uint64_t>(bytes), std::memory_order_release);
}
