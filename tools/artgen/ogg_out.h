// Writing music as Ogg Vorbis.
#pragma once

#include "tools/artgen/audio_buffer.h"

#include <string>

// Encodes the buffer at the given Vorbis quality (-0.1 .. 1). The stream's
// serial number is fixed by the caller so that every build writes the same
// bytes. Throws std::runtime_error on failure.
void write_ogg(const std::string& path, const AudioBuffer& sound, float quality, int serial,
               const std::string& title);
