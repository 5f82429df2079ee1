#include "audio/ring_device.h"

#include "audio/counters.h"

#include "platform/process.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <system_error>

namespace {
std::atomic<std::int64_t> underruns_everywhere{0};
}

std::int64_t audio_underrun_count() {
    return underruns_everywhere.load(std::memory_order_relaxed);
}

ringdevice::ringdevice(std::shared_ptr<mixer> engine, std::unique_ptr<waveport> port,
                       Service service)
    : mixer_(std::move(engine)), port_(std::move(port)), by_(service) {}

ringdevice::~ringdevice() {
    close();
}

bool ringdevice::init() {
    if (running_.load()) return true;
    ring_.assign(ring_samples, 0);
    if (!port_->open(ring_.data(), ring_bytes)) {
        ring_.clear();
        return false;
    }
    latency_ = start_latency;
    restart_countdown_ = 0;
    written_ = 0;
    // Run just before every read of the ring, the step always keeps the
    // latency's lead on what is read next: no underrun can happen that way.
    if (by_ == Service::Playback && !port_->serve_on_playback([this] { service(); })) {
        port_->close();
        ring_.clear();
        return false;
    }
    running_.store(true);
    service(); // nothing has played yet: this mixes the first `latency` blocks
    if (!port_->start()) {
        running_.store(false);
        port_->close();
        ring_.clear();
        return false;
    }
    if (by_ == Service::Thread) {
        try {
            thread_ = platform::start_background_thread([this] { run_service_thread(); });
        } catch (const std::system_error&) {
            running_.store(false);
            port_->reset();
            port_->close();
            ring_.clear();
            return false;
        }
    }
    return true;
}

void ringdevice::close() {
    if (!running_.exchange(false)) return;
    if (thread_.joinable()) thread_.join();
    port_->reset();
    port_->close();
    ring_.clear();
    ring_.shrink_to_fit();
}

void ringdevice::service() {
    if (!running_.load()) return;
    if (restart_countdown_ != 0) {
        if (--restart_countdown_ != 0) return;
        if (!port_->start()) std::printf("waveOutWrite error\n");
    }
    const auto played = static_cast<std::int64_t>(port_->position() / bytes_per_sample);

    if (played > 0 && written_ < played + 2 * fragment_samples) {
        // The hardware caught up with the mixing: rather than play stale
        // fragments, go quiet for a while and come back further ahead.
        underruns_.fetch_add(1, std::memory_order_relaxed);
        underruns_everywhere.fetch_add(1, std::memory_order_relaxed);
        port_->reset();
        std::fill(ring_.begin(), ring_.end(), std::int16_t{0});
        restart_countdown_ = restart_steps;
        if (latency_ <= 9) latency_ += 2;
        written_ = static_cast<std::int64_t>(latency_) * fragment_samples * 2;
        return;
    }

    bool mixed = false;
    while (written_ < played + static_cast<std::int64_t>(latency_) * fragment_samples) {
        std::int64_t fragment = (written_ / fragment_samples) % fragments;
        mixer_->mix(ring_.data() + fragment * fragment_samples);
        written_ += fragment_samples;
        mixed = true;
    }
    if (mixed) port_->publish(static_cast<std::uint64_t>(written_));
}

void ringdevice::run_service_thread() {
    port_->serve_from_this_thread();

    // Absolute deadlines: the period does not drift with scheduling delays.
    using clock = std::chrono::steady_clock;
    const auto period = std::chrono::milliseconds(service_period_ms);
    auto deadline = clock::now() + period;
    while (running_.load()) {
        std::this_thread::sleep_until(deadline);
        service();
        deadline += period;
        auto now = clock::now();
        if (now > deadline + 100 * period) deadline = now + period; // after a long stall
    }
}
