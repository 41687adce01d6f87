// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QWidget;

namespace rumitaku::bench {

// A floor's round: two of Qt's precise timers like the game's, at 650 ms and
// for one round of `roundMs`, doing nothing, started a player's moment after
// the window shows, as the game's are. `atStart` runs just before they start
// and `atEnd` once the round has ended. Runs the event loop until then, and
// prints the timing and the peak memory.
void playFloorRound(QWidget& window, int roundMs, const std::function<void()>& atStart = {},
                    const std::function<void()>& atEnd = {});

}  // namespace rumitaku::bench
