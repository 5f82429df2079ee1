// Puts right the checksums of Ogg pages and PNG chunks after a mutation, so
// that fuzzing gets past the container to the decoder behind it. Used only
// by the fuzzers' mutators, never on the way into the code under test.
#pragma once

#include <cstddef>
#include <cstdint>

// Every complete page that starts with "OggS" gets its CRC field recomputed.
void fix_ogg_page_crcs(std::uint8_t* data, std::size_t size);
// Every complete chunk after the 8-byte signature gets its CRC recomputed.
void fix_png_chunk_crcs(std::uint8_t* data, std::size_t size);
