// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/replay_clock.h"

#include "game/game.h"

namespace rumitaku::bench {

namespace {
constexpr float tickSeconds = Game::fastInterval / 1000.0f;
constexpr int ticksPerRound = static_cast<int>(Game::roundSeconds / tickSeconds);
}  // namespace

// Far from midnight, so that a replayed round never spans it.
ReplayClock::ReplayClock() : start_(12 * 3600.0f) {}

void ReplayClock::nextTick()
{
    tick_ = tick_ % ticksPerRound + 1;
}

float ReplayClock::secondsSinceMidnight()
{
    real_.secondsSinceMidnight();
    return start_ + static_cast<float>(tick_) * tickSeconds;
}

}  // namespace rumitaku::bench
