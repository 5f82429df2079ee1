// Writing sounds as 16-bit PCM WAV files.
#pragma once

#include "tools/artgen/audio_buffer.h"

#include <string>

// Writes the buffer as a canonical 44-byte-header PCM WAV, rounding each
// sample to 16 bits. Throws std::runtime_error on failure.
void write_wav(const std::string& path, const AudioBuffer& sound);
