#include "tests/support/peak_memory.h"

#include <fstream>
#include <string>

void restart_peak_memory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

long peak_resident_kb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}
