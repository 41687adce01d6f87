// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdio>
#include <vector>

namespace rumitaku::bench {

using Instant = std::chrono::steady_clock::time_point;

inline Instant now()
{
    return std::chrono::steady_clock::now();
}

inline double millisecondsBetween(Instant from, Instant to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The times a repeating timer fired, from the moment it was started, and how
// far each interval strayed from the one it was set to.
class TickRecorder {
public:
    explicit TickRecorder(double intervalMs) : intervalMs_(intervalMs) {}

    void start(Instant at) { times_.assign(1, at); }
    void tick() { times_.push_back(now()); }

    int ticks() const { return static_cast<int>(times_.size()) - 1; }
    // |interval − set interval| for every tick, the first counted from the start.
    std::vector<double> errorsMs() const;

private:
    double intervalMs_;
    std::vector<Instant> times_;
};

// The q-quantile (0 < q ≤ 1) by nearest rank; 0 when there are no values.
double quantile(std::vector<double> values, double q);

// Prints the figures of one round as "name value" lines: the tick error at
// p50, p99 and max, how far the round's end was from `roundLengthMs` after
// `start`, and the peak memory afterwards.
void printRound(const TickRecorder& ticks, Instant start, Instant end, double roundLengthMs,
                std::FILE* out = stdout);

}  // namespace rumitaku::bench
