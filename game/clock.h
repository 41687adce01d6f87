// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

namespace rumitaku {

// The rules only borrow a clock: nobody deletes one through this interface.
class Clock {
public:
    // Seconds from a fixed moment, such as the program's start. A steady clock: it
    // moves on at the pace of real time, whatever is done to the time of day
    // (set back or forward, summer time, midnight).
    virtual float steadySeconds() = 0;

protected:
    ~Clock() = default;
};

// Seconds since the clock was made, from the system's steady clock. Counted from the
// program's start rather than the machine's, so that single precision keeps a reading
// to the millisecond for the first four hours of play, and within 8 ms for a day.
class SteadyClock : public Clock {
public:
    float steadySeconds() override;

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace rumitaku
