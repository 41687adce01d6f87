// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/window_game.h"

#include "tests/support/message_answerer.h"
#include "window/game_connection.h"

#include <QCoreApplication>
#include <QEvent>
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
    // The closed message is taken down once the events that are due are handled; here,
    // before the test goes on, as the event loop would at once.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return !answerer.timedOut();
}

void WindowGame::stopTimers()
{
    window.setTimerEnabled(Timer::Timer1, false);
    window.setTimerEnabled(Timer::Timer2, false);
}

}  // namespace rumitaku::testing
