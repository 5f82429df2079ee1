// Ogg Vorbis streams made in memory with libvorbisenc: the music and jingles
// of the art generator, and the sound files of tests, benchmarks and fuzzing
// seeds, all through one encoder.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

struct VorbisTag {
    std::string name, value;
};

// `frames` frames of `channels` channels at `rate` Hz; sample(channel, frame)
// gives each sample, -1 .. 1. `quality` is libvorbis's VBR quality (-0.1 ..
// 1). The serial number is the caller's, so the same input always gives the
// same bytes. Returns the whole file; throws std::runtime_error when the
// encoder refuses the format.
std::string encode_vorbis(int channels, long rate, std::size_t frames, float quality, int serial,
                          const std::vector<VorbisTag>& tags,
                          const std::function<float(int channel, std::size_t frame)>& sample);
