// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/clock.h"

namespace rumitaku {

// The local time of day, to the millisecond.
class QtClock : public Clock {
public:
    float secondsSinceMidnight() override;
};

}  // namespace rumitaku
