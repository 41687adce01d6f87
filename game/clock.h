// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace rumitaku {

class Clock {
public:
    virtual ~Clock() = default;
    // Local time of day in seconds; starts again from 0 at midnight.
    virtual float secondsSinceMidnight() = 0;
};

}  // namespace rumitaku
