// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/clock.h"

namespace rumitaku {

float SteadyClock::steadySeconds()
{
    // In double first: rounded once, to single precision, rather than at each step.
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start_;
    return static_cast<float>(elapsed.count());
}

}  // namespace rumitaku
