// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/random_source.h"

#include <chrono>

namespace rumitaku {

MersenneRandom::MersenneRandom(std::uint32_t seed) : engine_(seed) {}

void MersenneRandom::seedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    const auto bits = static_cast<std::uint64_t>(now);
    std::seed_seq seed{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
    engine_.seed(seed);
}

float MersenneRandom::next()
{
    return static_cast<float>(engine_() >> 8) * 0x1.0p-24f;
}

}  // namespace rumitaku
