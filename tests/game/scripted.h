// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/clock.h"
#include "game/random_source.h"

#include <cstddef>
#include <deque>
#include <stdexcept>

namespace rumitaku::testing {

// Hands out the values it was given, in order; running out is a test failure.
class ScriptedRandom : public RandomSource {
public:
    void seedFromClock() override { ++seeds; }
    float next() override
    {
        if (values.empty())
            throw std::logic_error("the rules drew more random numbers than scripted");
        const float value = values.front();
        values.pop_front();
        ++draws;
        return value;
    }

    std::deque<float> values;
    int seeds = 0;
    std::size_t draws = 0;
};

// The generator of the program, but with a fixed seed that start-up leaves alone.
class FixedSeedRandom : public MersenneRandom {
public:
    explicit FixedSeedRandom(std::uint32_t seed) : MersenneRandom(seed) {}
    void seedFromClock() override {}
};

// Reads `now`, in seconds; tests move it as time would pass.
class ScriptedClock : public Clock {
public:
    float steadySeconds() override { return now; }
    float now = 0.0f;
};

// The random value that makes Ransuu(0, up) return `result`.
constexpr float drawing(int result, int up)
{
    return (static_cast<float>(result) + 0.5f) / static_cast<float>(up + 1);
}

}  // namespace rumitaku::testing
