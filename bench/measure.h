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

// A field of /proc/self/status in KiB, such as "VmHWM" or "VmRSS"; -1 if missing.
long statusKib(const std::string& field);

}  // namespace rumitaku::bench
