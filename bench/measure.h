// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace rumitaku::bench {

using Instant = std::chrono::steady_clock::time_point;

// The times of one round: its start, each tick of its repeating timer and its end.
class RoundRecorder {
public:
    RoundRecorder(double tickMs, double roundMs) : tickMs_(tickMs), roundMs_(roundMs) {}

    void start(Instant at) { ticks_.assign(1, at); }
    void tick() { ticks_.push_back(std::chrono::steady_clock::now()); }
    void end() { end_ = std::chrono::steady_clock::now(); }

    int ticks() const { return static_cast<int>(ticks_.size()) - 1; }
    // Prints the round's figures as "name value" lines, the peak memory with them.
    void print() const;

private:
    double tickMs_;
    double roundMs_;
    std::vector<Instant> ticks_;
    Instant end_{};
};

// The q-quantile of the values (0 < q ≤ 1) by nearest rank; 0 if there are none.
double nearestRank(std::vector<double> values, double q);

// A number in a status file of /proc, such as "voluntary_ctxt_switches"; -1 if missing.
long statusField(const std::string& path, const std::string& field);
// A field of /proc/self/status in KiB, such as "VmHWM" or "VmRSS"; -1 if missing.
inline long statusKib(const std::string& field)
{
    return statusField("/proc/self/status", field);
}

}  // namespace rumitaku::bench
