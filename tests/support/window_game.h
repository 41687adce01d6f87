// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/game.h"
#include "window/main_window.h"

#include <chrono>

namespace rumitaku::testing {

// The real window with the rules behind it, connected as the program connects them,
// with the random source and clock the caller chooses.
class WindowGame {
public:
    WindowGame(RandomSource& random, Clock& clock);

    // Start-up, with the start message answered OK `answerDelay` after it shows.
    // False when it was not answered and had to be closed.
    bool loadAnsweringOk(std::chrono::milliseconds answerDelay = std::chrono::milliseconds(0));
    // For a caller that delivers the ticks and round ends itself.
    void stopTimers();

    MainWindow window;
    Game game;
};

}  // namespace rumitaku::testing
