#include "system/messages.h"

#include "platform/platform.h"
#include "system/event.h"

namespace {

bool pumping = false;

struct PumpGuard {
    PumpGuard() { pumping = true; }
    ~PumpGuard() { pumping = false; }
};

} // namespace

int pump_hook_id() {
    static const int id = allocate_hook_id();
    return id;
}

void pump_messages() {
    if (pumping) return;
    PumpGuard guard;
    platform::pump_events();
    run_hooks(pump_hook_id(), nullptr);
}

void wait_messages() {
    if (pumping) return;
    PumpGuard guard;
    platform::wait_events();
    run_hooks(pump_hook_id(), nullptr);
}

std::int32_t clock_ms() { return static_cast<std::int32_t>(platform::milliseconds()); }

std::int32_t clock_difference(std::int32_t later, std::int32_t earlier) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(later) -
                                     static_cast<std::uint32_t>(earlier));
}

void delay(std::int32_t ms) { platform::sleep_ms(ms); }
