// The system's default audio output as a waveport: the platform's audio
// callback copies the ring out, round and round, and counts what it took.
#pragma once

#include "audio/audio_device.h"

#include <atomic>
#include <functional>

class sdlport : public waveport {
  public:
    ~sdlport() override;
    bool open(const std::int16_t* ring, int ring_bytes) override;
    bool start() override;
    void reset() override;
    std::uint64_t position() override { return played_.load(std::memory_order_acquire); }
    void publish(std::uint64_t samples_written) override;
    void serve_from_this_thread() override;
    bool serve_on_playback(std::function<void()> step) override;
    void close() override;

  private:
    static void fill(void* user, std::uint8_t* stream, int bytes);

    const std::int16_t* ring_ = nullptr;
    int ring_bytes_ = 0;
    bool open_ = false;
    std::atomic<std::uint64_t> played_{0};
    std::atomic<std::uint64_t> published_{0};
    std::function<void()> on_playback_; // set before playing starts
};
