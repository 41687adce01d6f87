// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/replay_clock.h"

#include "game/game.h"

namespace rumitaku::bench {

namespace {
constexpr float tickSeconds = Game::fastInterval / 1000.0f;
constexpr int ticksPerRound = static_cast<int>(Game::roundSeconds / tickSeconds);
}  // namespace

// Some hours into the program, where single precision is as coarse as in long play.
ReplayClock::ReplayClock() : start_(12 * 3600.0f) {}

void ReplayClock::nextTick()
{
    tick_ = tick_ % ticksPerRound + 1;
}

float ReplayClock::steadySeconds()
{
    real_.steadySeconds();
    return start_ + static_cast<float>(tick_) * tickSeconds;
}

}  // namespace rumitaku::bench
