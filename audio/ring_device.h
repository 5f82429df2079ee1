// The output device: a ring of 32 fragments of 1024 samples (512 stereo
// frames, 11.6 ms each) that the hardware plays round and round while a
// service step, every 5 ms on a thread of its own, mixes fresh blocks a few
// fragments ahead of the play position. Where there are no threads (a
// browser), the step runs each time the hardware takes samples instead.
//
// Latency starts at 6 fragments. When the mixing falls behind the play
// position (an underrun), the ring is silenced, the hardware stopped for 250
// service steps (1.25 s) and the latency raised by 2, up to 10 fragments.
#pragma once

#include "audio/audio_device.h"
#include "audio/mixer.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

class ringdevice : public audiodevice {
  public:
    static constexpr int fragment_samples = mixer::block_samples; // 1024
    static constexpr int fragments = 32;
    static constexpr int bytes_per_sample = 2;
    static constexpr int ring_samples = fragment_samples * fragments;
    static constexpr int ring_bytes = ring_samples * bytes_per_sample; // 65536
    static constexpr int service_period_ms = 5;
    static constexpr int start_latency = 6;
    static constexpr int restart_steps = 250;

    // Who runs the service step: a thread of the device's own, the caller
    // (tests), or the port each time it plays (serve_on_playback).
    enum class Service { Thread, Caller, Playback };
    ringdevice(std::shared_ptr<mixer> engine, std::unique_ptr<waveport> port,
               Service service = Service::Thread);
    ~ringdevice() override;

    // Opens the port, mixes the first blocks, starts playing and starts the
    // service thread. False, with everything undone, when the port fails.
    bool init() override;
    // Stops the service thread, then the hardware; frees the ring.
    void close() override;

    // One service step (the service thread calls it every 5 ms).
    void service();

    int latency() const { return latency_; }
    int restart_countdown() const { return restart_countdown_; }
    std::int64_t written() const { return written_; }
    // Underruns of this device so far.
    std::int64_t underruns() const { return underruns_.load(std::memory_order_relaxed); }
    const std::int16_t* ring() const { return ring_.data(); }

  private:
    void run_service_thread();

    std::shared_ptr<mixer> mixer_;
    std::unique_ptr<waveport> port_;
    Service by_;
    std::vector<std::int16_t> ring_;
    std::atomic<bool> running_{false};
    std::thread thread_;
    std::int64_t written_ = 0; // samples mixed since the last reset
    int restart_countdown_ = 0;
    int latency_ = start_latency;
    std::atomic<std::int64_t> underruns_{0};
};
