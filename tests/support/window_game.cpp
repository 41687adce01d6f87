// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/window_game.h"

#include "tests/support/message_answerer.h"
#include "window/game_connection.h"

#include <QPushButton>

namespace rumitaku::testing {

WindowGame::WindowGame(RandomSource& random, Clock& clock) : game(window, random, clock)
{
    connectGame(window, game);
}

bool WindowGame::loadAnsweringOk(std::chrono::milliseconds answerDelay)
{
    MessageAnswerer answerer({[](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); }}, answerDelay);
    game.load();
    return !answerer.timedOut();
}

void WindowGame::stopTimers()
{
    window.setTimerEnabled(Timer::Timer1, false);
    window.setTimerEnabled(Timer::Timer2, false);
}

}  // namespace rumitaku::testing
