// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/qt_clock.h"

namespace rumitaku::bench {

// The clock readings a round at 650 ms shows, tick after tick, round after
// round, however fast the ticks are driven; so that the time display changes
// as often as in play. It still reads the real clock each time, for its cost.
class ReplayClock : public Clock {
public:
    ReplayClock();

    void nextTick();  // the time moves on to the next tick of the round
    float steadySeconds() override;

private:
    QtClock real_;
    float start_;
    int tick_ = 0;
};

}  // namespace rumitaku::bench
