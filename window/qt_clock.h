// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/clock.h"

#include <QElapsedTimer>

namespace rumitaku {

// Seconds since the clock was made, to the millisecond, from the system's
// monotonic clock. Counted from the program's start rather than the machine's,
// so that single precision keeps the milliseconds for days.
class QtClock : public Clock {
public:
    QtClock();
    float steadySeconds() override;

private:
    QElapsedTimer elapsed_;
};

}  // namespace rumitaku
