#include "audio/sound.h"

#include "audio/decoders.h"
#include "audio/driver.h"

#include <utility>

namespace {

bool usable(const TPcmSample& sample) {
    return pcm_frame_bytes(sample.sample_format) != 0 && sample.hertz > 0 &&
           sample.byte_count() == static_cast<std::size_t>(sample.frame_count) *
                                      static_cast<std::size_t>(sample.frame_bytes());
}

// Big-endian samples become their little-endian twins; the caller's sample
// is left as it was.
PcmSampleRef little_endian(const PcmSampleRef& sample) {
    int format = sample->sample_format;
    if (format != PCM_MONO16_BE && format != PCM_STEREO16_BE) return sample;
    auto swapped = std::make_shared<TPcmSample>(
        sample->frame_count, sample->hertz, format == PCM_MONO16_BE ? PCM_MONO16 : PCM_STEREO16);
    const std::uint8_t* from = sample->samples();
    std::uint8_t* to = swapped->samples();
    for (std::size_t i = 0; i + 1 < sample->byte_count(); i += 2) {
        to[i] = from[i + 1];
        to[i + 1] = from[i];
    }
    return swapped;
}

SoundRef make_sound(const PcmSampleRef& sample, int flags, const std::string& url) {
    if (!sample || !usable(*sample)) return nullptr;
    return audio_driver()->create_sound(little_endian(sample), flags, url);
}

} // namespace

SoundRef load_sound(const std::string& url, int flags) {
    PcmSampleRef sample = decode_sound(url);
    if (!sample || !usable(*sample)) return nullptr;
    // Nobody else holds what was just decoded: the driver may keep it as it is.
    PcmSampleRef ours = little_endian(sample);
    sample.reset();
    return audio_driver()->adopt_sound(std::move(ours), flags, url);
}

SoundRef load_sound(const PcmSampleRef& sample, int flags) {
    return make_sound(sample, flags, "");
}

ChannelRef play_sound(const SoundRef& sound, const ChannelRef& channel) {
    return sound ? sound->play(channel) : nullptr;
}

ChannelRef cue_sound(const SoundRef& sound, const ChannelRef& channel) {
    return sound ? sound->cue(channel) : nullptr;
}

void release_stopped_sounds() {
    audio_driver()->release_stopped_sounds();
}

void stop_channel(const ChannelRef& channel) {
    if (channel) channel->stop();
}

void set_channel_volume(const ChannelRef& channel, float volume) {
    if (channel) channel->set_volume(volume);
}

void set_channel_paused(const ChannelRef& channel, int paused) {
    if (channel) channel->set_paused(paused);
}

void set_channel_pan(const ChannelRef& channel, float pan) {
    if (channel) channel->set_pan(pan);
}

void set_channel_depth(const ChannelRef& channel, float depth) {
    if (channel) channel->set_depth(depth);
}

void set_channel_rate(const ChannelRef& channel, float rate) {
    if (channel) channel->set_rate(rate);
}

int channel_playing(const ChannelRef& channel) {
    return channel ? channel->playing() : 0;
}
