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

// The hook id whose hooks run (with a Null event) after every pump_messages
// and wait_messages: for work that other threads hand back to the main
// thread without a message of their own, such as sounds the mixer is done
// with.
int pump_hook_id();

// Milliseconds of the system clock; wraps modulo 2^32.
std::int32_t clock_ms();

// Milliseconds from the reading `earlier` to the reading `later`, counted as
// the clock wraps: right across the wrap, for spans under 2^31 ms.
std::int32_t clock_difference(std::int32_t later, std::int32_t earlier);

// Sleeps ms milliseconds. Dispatches nothing meanwhile.
void delay(std::int32_t ms);
