// Makes Ogg Vorbis files in memory with libvorbisenc, so tests and
// benchmarks need no sound files of their own.
#pragma once

#include <functional>
#include <string>

// frames frames of `channels` channels at `rate` Hz; signal(channel, frame)
// gives each sample, -1 .. 1. Returns the bytes of the file.
std::string encode_ogg(int channels, int rate, int frames,
                       const std::function<float(int channel, int frame)>& signal);
