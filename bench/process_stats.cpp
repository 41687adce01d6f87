// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/process_stats.h"

#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

namespace rumitaku::bench {

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

long statusKib(std::string_view field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.size() > field.size() && line.compare(0, field.size(), field) == 0
            && line[field.size()] == ':') {
            std::istringstream value(line.substr(field.size() + 1));
            long kib = -1;
            value >> kib;
            return kib;
        }
    }
    return -1;
}

}  // namespace rumitaku::bench
