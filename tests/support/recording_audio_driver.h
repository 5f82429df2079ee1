// An audio driver that plays nothing and remembers every call, so tests can
// check which sounds the game loads and plays, and what it does to channels.
//
//     auto audio = RecordingAudioDriver::install();
//     ... the code under test loads and plays sounds ...
//     EXPECT_EQ(audio->played(), (std::vector<std::string>{"incbin::click.wav"}));
//
// Sounds still have to load: load_sound decodes the file first and hands the
// driver only what decoded, exactly as with the real mixer.
#pragma once

#include "audio/driver.h"

#include <memory>
#include <string>
#include <vector>

struct AudioCall {
    enum Kind { Load, Play, Cue, Stop, Volume, Paused, Pan, Depth, Rate };
    Kind kind;
    std::string sound; // the URL the sound was loaded from ("" for samples in memory)
    int channel = 0;   // 1, 2, 3, ... in order of play; 0 for Load
    float value = 0;   // flags for Load, the new setting for the setters
};

class RecordingAudioDriver : public TAudioDriver,
                             public std::enable_shared_from_this<RecordingAudioDriver> {
  public:
    // Registers the decoders, makes a recording driver current and returns it.
    static std::shared_ptr<RecordingAudioDriver> install();

    SoundRef create_sound(const PcmSampleRef& sample, int flags, const std::string& url) override;

    const std::vector<AudioCall>& calls() const { return calls_; }
    // The sounds played (and cued), in order.
    std::vector<std::string> played() const;
    // The calls of one kind, in order.
    std::vector<AudioCall> calls_of(AudioCall::Kind kind) const;
    void clear() { calls_.clear(); }

    // Whether channel n (as numbered in the calls) would still be playing:
    // played or cued, not stopped. Sounds never end by themselves here.
    bool channel_open(int channel) const;

    void record(AudioCall call) { calls_.push_back(std::move(call)); }
    int next_channel() { return ++channels_; }

  private:
    std::vector<AudioCall> calls_;
    int channels_ = 0;
};
