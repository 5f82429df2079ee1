// Sound effects and music: loading, playing and controlling channels.
//
// Sounds are decoded whole when loaded. Every play starts a fresh voice;
// the mixer runs on its own thread and never blocks the game.
#pragma once

#include <memory>
#include <string>

class TSoundClip;
class TVoiceChannel;
using SoundRef = std::shared_ptr<TSoundClip>;
using ChannelRef = std::shared_ptr<TVoiceChannel>;

// flags: nonzero loops the sound. Null when the file cannot be read or decoded.
SoundRef load_sound(const std::string& url, int flags);

// Starts the sound on a new channel (the game always passes Null for
// `channel`). Null when no channel handle was free; the sound still plays.
ChannelRef play_sound(const SoundRef& sound, const ChannelRef& channel = nullptr);

void stop_channel(const ChannelRef& channel);
void set_channel_volume(const ChannelRef& channel, float volume);
