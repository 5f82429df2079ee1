// Sound effects and music: loading, playing and controlling channels.
//
// Sounds are decoded whole when loaded. Every play starts a fresh voice;
// the mixer runs on its own thread and never blocks the game. All of these
// are called from the game's thread.
#pragma once

#include <memory>
#include <string>

class TSoundClip;
class TVoiceChannel;
class TPcmSample;
using SoundRef = std::shared_ptr<TSoundClip>;
using ChannelRef = std::shared_ptr<TVoiceChannel>;
using PcmSampleRef = std::shared_ptr<TPcmSample>;

// flags: nonzero loops the sound. Null when the file cannot be read or decoded.
SoundRef load_sound(const std::string& url, int flags);
// The same for a sample already in memory (big-endian data is accepted).
// Null for a Null sample, an unknown format or a rate of zero or below.
SoundRef load_sound(const PcmSampleRef& sample, int flags);

// Starts the sound on a new channel (the game always passes Null for
// `channel`). Null when no channel handle was free; the sound still plays.
// A Null sound plays nothing and gives Null.
ChannelRef play_sound(const SoundRef& sound, const ChannelRef& channel = nullptr);
// Like play_sound, but the sound waits paused until set_channel_paused(.., 0).
ChannelRef cue_sound(const SoundRef& sound, const ChannelRef& channel = nullptr);

// Frees the audio of every sound already stopped (waiting a few
// milliseconds, at most, for the mixer to let go of it): before a large
// load, so that the old and the new audio are not held at once.
void release_stopped_sounds();

// Every channel operation ignores a Null channel and a channel whose sound
// has already ended and been recycled.
void stop_channel(const ChannelRef& channel);
void set_channel_volume(const ChannelRef& channel, float volume); // 0 silent, 1 as recorded
void set_channel_paused(const ChannelRef& channel, int paused);
void set_channel_pan(const ChannelRef& channel, float pan);     // -1 left, 0 centre, 1 right
void set_channel_depth(const ChannelRef& channel, float depth); // below 0 inverts the right side
void set_channel_rate(const ChannelRef& channel, float rate);   // 1 as recorded, 2 an octave up
// Nonzero while the channel's sound plays or waits paused.
int channel_playing(const ChannelRef& channel);
