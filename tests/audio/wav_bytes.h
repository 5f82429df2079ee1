// Builds WAV files byte by byte, so tests can make exactly the file they need,
// broken ones included.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Appends value as n little-endian bytes.
inline void put_le(std::string& out, std::uint32_t value, int n) {
    for (int i = 0; i < n; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

// A chunk: tag, 32-bit size (the real one unless claimed_size says otherwise), body.
inline std::string chunk(const std::string& tag, const std::string& body,
                         std::int64_t claimed_size = -1) {
    std::string out = tag;
    put_le(out, static_cast<std::uint32_t>(claimed_size < 0 ? body.size() : claimed_size), 4);
    return out + body;
}

struct WavFormat {
    int tag = 1;
    int channels = 1;
    std::int32_t hertz = 44100;
    int bits = 16;
    std::string extra; // bytes after the 16 standard ones of "fmt "
};

inline std::string fmt_chunk(const WavFormat& f) {
    std::string body;
    put_le(body, static_cast<std::uint32_t>(f.tag), 2);
    put_le(body, static_cast<std::uint32_t>(f.channels), 2);
    put_le(body, static_cast<std::uint32_t>(f.hertz), 4);
    int align = f.channels * f.bits / 8;
    put_le(body, static_cast<std::uint32_t>(f.hertz * align), 4);
    put_le(body, static_cast<std::uint32_t>(align), 2);
    put_le(body, static_cast<std::uint32_t>(f.bits), 2);
    return chunk("fmt ", body + f.extra);
}

// "RIFF", size, "WAVE", then the chunks as given.
inline std::string riff(const std::string& chunks) {
    std::string out = "RIFF";
    put_le(out, static_cast<std::uint32_t>(4 + chunks.size()), 4);
    return out + "WAVE" + chunks;
}

inline std::string pcm16(const std::vector<int>& values) {
    std::string out;
    for (int v : values) put_le(out, static_cast<std::uint32_t>(v), 2);
    return out;
}

inline std::string pcm8(const std::vector<int>& values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

// A plain PCM file.
inline std::string wav_file(const WavFormat& f, const std::string& data) {
    return riff(fmt_chunk(f) + chunk("data", data));
}
