// The process's memory on Windows.
#include "platform/process.h"

#include <windows.h>

#include <psapi.h> // after windows.h, which it needs

namespace platform {

// Windows' heap already gives blocks of a megabyte or more memory of their
// own, handed back whole when freed: nothing to tune.
void tune_memory_for_big_blocks() {}

long resident_memory_kb() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return static_cast<long>(counters.WorkingSetSize / 1024);
}

} // namespace platform
