// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace rumitaku {

// The rules only borrow a clock: nobody deletes one through this interface.
class Clock {
public:
    // Local time of day in seconds; starts again from 0 at midnight.
    virtual float secondsSinceMidnight() = 0;

protected:
    ~Clock() = default;
};

}  // namespace rumitaku
