// The main thread's message pump, the millisecond clock and sleeping.
#pragma once

#include <cstdint>

// Dispatches everything waiting for the main thread, without blocking.
void pump_messages();

// Blocks until something arrives that no earlier poll has seen (anything still
// queued counts), then pump_messages(). Never times out.
//
// pump_messages and wait_messages share one re-entrancy guard: a call made
// while either is running (from inside a hook, say) returns at once.
void wait_messages();

// Milliseconds of the system clock; wraps modulo 2^32.
std::int32_t clock_ms();

// Sleeps ms milliseconds. Dispatches nothing meanwhile.
void delay(std::int32_t ms);
