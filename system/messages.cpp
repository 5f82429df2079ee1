#include "system/messages.h"

#include "platform/platform.h"

namespace {

bool pumping = false;

struct PumpGuard {
    PumpGuard() { pumping = true; }
    ~PumpGuard() { pumping = false; }
};

} // namespace

void pump_messages() {
    if (pumping) return;
    PumpGuard guard;
    platform::pump_events();
}

void wait_messages() {
    if (pumping) return;
    PumpGuard guard;
    platform::wait_events();
}

std::int32_t clock_ms() { return static_cast<std::int32_t>(platform::milliseconds()); }

void delay(std::int32_t ms) { platform::sleep_ms(ms); }
