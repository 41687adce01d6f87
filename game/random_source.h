// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

namespace rumitaku {

// Where the rules take their random numbers from. Borrowed, like the clock: nobody
// deletes one through this interface.
class RandomSource {
public:
    virtual void seedFromClock() = 0;
    // Uniform in [0, 1), never 1.
    virtual float next() = 0;

protected:
    ~RandomSource() = default;
};

// Mersenne twister; each value is built from 24 random bits, so that it is
// exact in single precision and can never round up to 1.
class MersenneRandom : public RandomSource {
public:
    explicit MersenneRandom(std::uint32_t seed = std::mt19937::default_seed);
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 engine_;
};

}  // namespace rumitaku
