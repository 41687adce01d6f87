// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/tick_recorder.h"

#include "bench/process_stats.h"

#include <algorithm>
#include <cmath>

namespace rumitaku::bench {

std::vector<double> TickRecorder::errorsMs() const
{
    std::vector<double> errors;
    for (std::size_t i = 1; i < times_.size(); ++i)
        errors.push_back(std::abs(millisecondsBetween(times_[i - 1], times_[i]) - intervalMs_));
    return errors;
}

double quantile(std::vector<double> values, double q)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(q * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

void printRound(const TickRecorder& ticks, Instant start, Instant end, double roundLengthMs,
                std::FILE* out)
{
    const std::vector<double> errors = ticks.errorsMs();
    std::fprintf(out, "ticks %d\n", ticks.ticks());
    std::fprintf(out, "tick_error_p50_ms %.4f\n", quantile(errors, 0.50));
    std::fprintf(out, "tick_error_p99_ms %.4f\n", quantile(errors, 0.99));
    std::fprintf(out, "tick_error_max_ms %.4f\n", quantile(errors, 1.0));
    std::fprintf(out, "round_end_error_ms %.4f\n",
                 std::abs(millisecondsBetween(start, end) - roundLengthMs));
    std::fprintf(out, "peak_memory_mib %.3f\n", static_cast<double>(statusKib("VmHWM")) / 1024);
}

}  // namespace rumitaku::bench
