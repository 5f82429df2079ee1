#include "audio/driver.h"

namespace {

// Never destroyed: sounds may be played from exit hooks.
AudioDriverRef& current_driver() {
    static auto* driver = new AudioDriverRef(std::make_shared<TSilentAudioDriver>());
    return *driver;
}

} // namespace

ChannelRef TSoundClip::play(const ChannelRef& channel) {
    return channel ? channel : std::make_shared<TVoiceChannel>();
}

ChannelRef TSoundClip::cue(const ChannelRef& channel) {
    return play(channel);
}

void set_audio_driver(AudioDriverRef driver) {
    current_driver() = driver ? std::move(driver) : std::make_shared<TSilentAudioDriver>();
}

AudioDriverRef audio_driver() {
    return current_driver();
}

SoundRef TSilentAudioDriver::create_sound(const PcmSampleRef& sample, int, const std::string&) {
    if (!sample) return nullptr;
    return std::make_shared<TSoundClip>();
}
