// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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

}  // namespace rumitaku
