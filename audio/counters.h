// Counters for watching a long run from outside. Any thread may read them.
#pragma once

#include <cstdint>

// Underruns of the output ring since the program started, over every output
// device: times the service step found the hardware within two fragments of
// what had been mixed, and so silenced the ring to start again further ahead.
std::int64_t audio_underrun_count();
