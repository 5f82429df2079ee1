// The process's memory on Linux.
#include "platform/process.h"

#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace platform {

void tune_memory_for_big_blocks() {
#ifdef __GLIBC__
    // Big blocks (decoded music, full-screen pictures and textures) come
    // and go with every game. Left to itself, glibc raises its threshold for
    // mapping such blocks on their own each time one is freed, and later
    // ones then land in the heap, whose freed holes it keeps: the process
    // grew by 20 MB or more each game. A fixed threshold maps them
    // separately and hands them back whole when freed.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    // The software rasteriser takes and frees its drawing lists every frame.
    // Handing the heap's top back each time and taking it again costs page
    // faults and, with its threads on other cores, flushes of their address
    // caches: a frame's worth stays.
    mallopt(M_TRIM_THRESHOLD, 16 * 1024 * 1024);
#endif
}

long resident_memory_kb() {
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm) return 0;
    long pages_total = 0, pages_resident = 0;
    int read = std::fscanf(statm, "%ld %ld", &pages_total, &pages_resident);
    std::fclose(statm);
    if (read != 2) return 0;
    return pages_resident * (sysconf(_SC_PAGESIZE) / 1024);
}

} // namespace platform
