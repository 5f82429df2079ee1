// The audio driver: what a loaded sound and a playing channel are.
//
// One driver is current at a time. load_sound hands every decoded sample to
// it and gets back a clip; the clip and the channels it starts keep talking
// to the driver that made them. The silent driver is current until a driver
// that really produces sound (the software mixer with its output device)
// replaces it; tests install drivers of their own to watch what is played.
#pragma once

#include "audio/pcm_sample.h"
#include "audio/sound.h"

#include <memory>
#include <string>

class TVoiceChannel {
  public:
    virtual ~TVoiceChannel() = default;
    virtual void stop() {}
    virtual void set_paused(int paused) { (void)paused; }
    virtual void set_volume(float volume) { (void)volume; } // 1 is full volume
    virtual void set_pan(float pan) { (void)pan; }          // -1 left .. 1 right
    virtual void set_depth(float depth) { (void)depth; }    // below 0 inverts the right side
    virtual void set_rate(float rate) { (void)rate; }       // 1 is the recorded pitch
    virtual int playing() { return 0; } // nonzero until the sound ends or is stopped
};

class TSoundClip {
  public:
    virtual ~TSoundClip() = default;
    // Starts the sound on the given channel (which then stops what it was
    // playing) or, for Null, on a fresh one. Returns the channel, or Null when
    // no channel could be had; the sound may still play.
    virtual ChannelRef play(const ChannelRef& channel);
    // The same, but the sound waits paused until set_paused(0).
    virtual ChannelRef cue(const ChannelRef& channel);
};

class TAudioDriver {
  public:
    virtual ~TAudioDriver() = default;
    // A clip over the decoded sample; flags nonzero loops it. url is where
    // the sample came from ("" when the caller supplied it). Null when the
    // driver cannot take the sample.
    virtual SoundRef create_sound(const PcmSampleRef& sample, int flags,
                                  const std::string& url) = 0;
    // The same for a sample nobody else holds, which the driver may empty
    // to keep its audio without a copy.
    virtual SoundRef adopt_sound(PcmSampleRef&& sample, int flags, const std::string& url) {
        return create_sound(sample, flags, url);
    }
    // Frees the audio of sounds already stopped, waiting briefly for the
    // mixer to let go of them if it must.
    virtual void release_stopped_sounds() {}
};

using AudioDriverRef = std::shared_ptr<TAudioDriver>;

// Makes the driver current for every sound loaded from now on.
void set_audio_driver(AudioDriverRef driver);

// The current driver; the silent one when none was set.
AudioDriverRef audio_driver();

// Plays nothing: clips start channels that do nothing and report not playing.
class TSilentAudioDriver : public TAudioDriver {
  public:
    SoundRef create_sound(const PcmSampleRef& sample, int flags, const std::string& url) override;
};
