#include "audio/mixing_driver.h"

#include "system/event.h"
#include "system/messages.h"

#include <chrono>
#include <cmath>
#include <thread>

namespace {

// value x scale, truncated toward zero and held to lo .. hi (NaN counts as 0):
// a float outside the integer's range must not reach the conversion.
std::int32_t to_fixed(float value, double scale, std::int32_t lo, std::int32_t hi) {
    double scaled = static_cast<double>(value) * scale;
    if (std::isnan(scaled)) return 0;
    if (scaled <= lo) return lo;
    if (scaled >= hi) return hi;
    return static_cast<std::int32_t>(scaled);
}

// 4.12 settings are 16-bit values.
std::int32_t to_4_12(float value) {
    return to_fixed(value, 4096.0, -32768, 32767);
}

class TMixChannel : public TVoiceChannel {
  public:
    TMixChannel(std::shared_ptr<TMixingAudioDriver> driver, std::int32_t handle)
        : driver_(std::move(driver)), handle_(handle) {}

    // A channel's own voice frees itself once nobody can stop it any more.
    ~TMixChannel() override {
        if (sound* v = voice()) v->temporary.store(1);
    }

    void stop() override {
        if (sound* v = voice()) v->stop();
    }
    void set_paused(int paused) override {
        if (sound* v = voice()) v->set_paused(paused != 0);
    }
    void set_volume(float volume) override {
        if (sound* v = voice()) v->set_volume(to_4_12(volume));
    }
    void set_pan(float pan) override {
        if (sound* v = voice()) v->set_pan(to_4_12(pan));
    }
    void set_depth(float depth) override {
        if (sound* v = voice()) v->set_depth(to_4_12(depth));
    }
    void set_rate(float rate) override {
        if (sound* v = voice()) v->set_rate(to_fixed(rate, 65536.0, INT32_MIN, INT32_MAX));
    }
    int playing() override {
        sound* v = voice();
        return v && v->playing() ? 1 : 0;
    }

    const TMixingAudioDriver* driver() const { return driver_.get(); }
    std::int32_t handle() const { return handle_; }
    void set_handle(std::int32_t handle) { handle_ = handle; }

  private:
    sound* voice() const { return driver_->voice(handle_); }

    std::shared_ptr<TMixingAudioDriver> driver_;
    std::int32_t handle_;
};

class TMixClip : public TSoundClip {
  public:
    TMixClip(std::shared_ptr<TMixingAudioDriver> driver, SoundDataRef data)
        : driver_(std::move(driver)), data_(std::move(data)) {}

    ChannelRef play(const ChannelRef& channel) override { return start(channel, false); }
    ChannelRef cue(const ChannelRef& channel) override { return start(channel, true); }

  private:
    ChannelRef start(const ChannelRef& channel, bool cued) {
        // A channel of ours gives up its old sound for the new one; anything
        // else counts as no channel at all.
        auto own = std::dynamic_pointer_cast<TMixChannel>(channel);
        if (own && own->driver() != driver_.get()) own.reset();
        if (own) {
            if (sound* old = driver_->voice(own->handle())) old->stop();
        }
        std::int32_t handle = driver_->start(data_, cued, !own);
        if (own) own->set_handle(handle);
        if (handle == 0) return nullptr;
        if (own) return own;
        return std::make_shared<TMixChannel>(driver_, handle);
    }

    std::shared_ptr<TMixingAudioDriver> driver_;
    SoundDataRef data_;
};

} // namespace

namespace {

EventRef collect_on_pump(int, EventRef event, void* driver) {
    static_cast<TMixingAudioDriver*>(driver)->collect_finished();
    return event;
}

} // namespace

TMixingAudioDriver::TMixingAudioDriver() : mixer_(std::make_shared<mixer>()) {
    add_hook(pump_hook_id(), collect_on_pump, this, 0);
}

TMixingAudioDriver::~TMixingAudioDriver() {
    remove_hook(pump_hook_id(), collect_on_pump, this);
    for (sound* voice : spare_) delete voice;
}

SoundRef TMixingAudioDriver::create_sound(const PcmSampleRef& sample, int flags,
                                          const std::string&) {
    if (!sample || pcm_frame_bytes(sample->sample_format) == 0 || sample->hertz <= 0)
        return nullptr;
    auto data = std::make_shared<const sound_data>(*sample, flags);
    return std::make_shared<TMixClip>(shared_from_this(), std::move(data));
}

SoundRef TMixingAudioDriver::adopt_sound(PcmSampleRef&& sample, int flags, const std::string&) {
    if (!sample || pcm_frame_bytes(sample->sample_format) == 0 || sample->hertz <= 0)
        return nullptr;
    PcmSampleRef taken = std::move(sample);
    auto data = std::make_shared<const sound_data>(std::move(*taken), flags);
    return std::make_shared<TMixClip>(shared_from_this(), std::move(data));
}

void TMixingAudioDriver::release_stopped_sounds() {
    using clock = std::chrono::steady_clock;
    const std::uint64_t wanted = mixer_->blocks_mixed() + 2;
    const auto deadline = clock::now() + std::chrono::milliseconds(50);
    // The mixer runs every few milliseconds and asks nothing of this thread;
    // a short sleep between looks is all a wait of two blocks takes.
    while (mixer_->blocks_mixed() < wanted && clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    collect_finished();
}

void TMixingAudioDriver::collect_finished() {
    while (sound* voice = mixer_->take_finished()) {
        channels_.release(voice->handle);
        voice->reset();
        spare_.push_back(voice);
    }
}

std::int32_t TMixingAudioDriver::start(const SoundDataRef& data, bool cued, bool temporary,
                                       bool* started) {
    collect_finished();
    std::int32_t handle = channels_.acquire();
    sound* voice;
    if (spare_.empty()) {
        voice = new sound(mixer_.get());
    } else {
        voice = spare_.back();
        spare_.pop_back();
    }
    voice->reset();
    voice->data = data;
    voice->handle = handle;
    // Nobody can stop an untracked voice: it must free itself when it ends.
    voice->temporary.store(temporary || handle == 0 ? 1 : 0);
    voice->request_ms = mixer_->now();
    voice->status.store((data->loop ? sound::LOOPED : sound::ONCE) | (cued ? sound::PAUSED : 0));
    if (!mixer_->start(voice)) {
        channels_.release(handle);
        voice->reset();
        spare_.push_back(voice);
        if (started) *started = false;
        return 0;
    }
    channels_.bind(handle, voice);
    if (started) *started = true;
    return handle;
}
