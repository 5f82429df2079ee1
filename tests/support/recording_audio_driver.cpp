#include "tests/support/recording_audio_driver.h"

#include "audio/decoders.h"

namespace {

class RecordingChannel : public TVoiceChannel {
  public:
    RecordingChannel(std::shared_ptr<RecordingAudioDriver> driver, std::string sound, int number)
        : driver_(std::move(driver)), sound_(std::move(sound)), number_(number) {}

    void stop() override { note(AudioCall::Stop, 0); }
    void set_paused(int paused) override { note(AudioCall::Paused, static_cast<float>(paused)); }
    void set_volume(float volume) override { note(AudioCall::Volume, volume); }
    void set_pan(float pan) override { note(AudioCall::Pan, pan); }
    void set_depth(float depth) override { note(AudioCall::Depth, depth); }
    void set_rate(float rate) override { note(AudioCall::Rate, rate); }
    int playing() override { return driver_->channel_open(number_) ? 1 : 0; }

  private:
    void note(AudioCall::Kind kind, float value) {
        driver_->record({kind, sound_, number_, value});
    }

    std::shared_ptr<RecordingAudioDriver> driver_;
    std::string sound_;
    int number_;
};

class RecordingClip : public TSoundClip {
  public:
    RecordingClip(std::shared_ptr<RecordingAudioDriver> driver, std::string url)
        : driver_(std::move(driver)), url_(std::move(url)) {}

    ChannelRef play(const ChannelRef&) override { return start(AudioCall::Play); }
    ChannelRef cue(const ChannelRef&) override { return start(AudioCall::Cue); }

  private:
    ChannelRef start(AudioCall::Kind kind) {
        int number = driver_->next_channel();
        driver_->record({kind, url_, number, 0});
        return std::make_shared<RecordingChannel>(driver_, url_, number);
    }

    std::shared_ptr<RecordingAudioDriver> driver_;
    std::string url_;
};

} // namespace

std::shared_ptr<RecordingAudioDriver> RecordingAudioDriver::install() {
    register_sound_decoders();
    auto driver = std::make_shared<RecordingAudioDriver>();
    set_audio_driver(driver);
    return driver;
}

SoundRef RecordingAudioDriver::create_sound(const PcmSampleRef& sample, int flags,
                                            const std::string& url) {
    if (!sample) return nullptr;
    record({AudioCall::Load, url, 0, static_cast<float>(flags)});
    return std::make_shared<RecordingClip>(shared_from_this(), url);
}

std::vector<std::string> RecordingAudioDriver::played() const {
    std::vector<std::string> names;
    for (const AudioCall& call : calls_)
        if (call.kind == AudioCall::Play || call.kind == AudioCall::Cue)
            names.push_back(call.sound);
    return names;
}

std::vector<AudioCall> RecordingAudioDriver::calls_of(AudioCall::Kind kind) const {
    std::vector<AudioCall> found;
    for (const AudioCall& call : calls_)
        if (call.kind == kind) found.push_back(call);
    return found;
}

bool RecordingAudioDriver::channel_open(int channel) const {
    bool open = false;
    for (const AudioCall& call : calls_) {
        if (call.channel != channel) continue;
        if (call.kind == AudioCall::Play || call.kind == AudioCall::Cue) open = true;
        if (call.kind == AudioCall::Stop) open = false;
    }
    return open;
}
