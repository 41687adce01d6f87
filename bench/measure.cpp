// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/measure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

namespace rumitaku::bench {

void RoundRecorder::print() const
{
    const auto msBetween = [](Instant from, Instant to) {
        return std::chrono::duration<double, std::milli>(to - from).count();
    };
    std::vector<double> errors;
    for (std::size_t i = 1; i < ticks_.size(); ++i)
        errors.push_back(std::abs(msBetween(ticks_[i - 1], ticks_[i]) - tickMs_));
    std::printf("ticks %d\n", ticks());
    std::printf("tick_error_p50_ms %.4f\n", nearestRank(errors, 0.50));
    std::printf("tick_error_p99_ms %.4f\n", nearestRank(errors, 0.99));
    std::printf("tick_error_max_ms %.4f\n", nearestRank(errors, 1.0));
    std::printf("round_end_error_ms %.4f\n", std::abs(msBetween(ticks_.at(0), end_) - roundMs_));
    std::printf("peak_memory_mib %.3f\n", static_cast<double>(statusKib("VmHWM")) / 1024);
}

double nearestRank(std::vector<double> values, double q)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(q * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

long statusField(const std::string& path, const std::string& field)
{
    std::ifstream status(path);
    for (std::string name; status >> name;) {
        long value = 0;
        if (name == field + ':' && status >> value)
            return value;
    }
    return -1;
}

}  // namespace rumitaku::bench
