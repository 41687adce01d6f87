// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/game_connection.h"

#include "game/game.h"
#include "window/main_window.h"

#include <QCoreApplication>

namespace rumitaku {

void connectGame(MainWindow& window, Game& game)
{
    QObject::connect(&window, &MainWindow::co1Clicked, &window,
                     [&game](int index) { game.co1Click(static_cast<std::int16_t>(index)); });
    QObject::connect(&window, &MainWindow::timer1Timer, &window, [&game] { game.timer1Timer(); });
    QObject::connect(&window, &MainWindow::timer2Timer, &window, [&game] { game.timer2Timer(); });
    QObject::connect(&window, &MainWindow::command1Clicked, &window, [&game] { game.command1Click(); });
    QObject::connect(&window, &MainWindow::command2Clicked, &window, [&game] { game.command2Click(); });
    QObject::connect(&window, &MainWindow::command3Clicked, &window, [&game] { game.command3Click(); });
}

// The start message waits for its answer in an event loop of its own. A quit that comes
// meanwhile (the desktop session ending) ends every loop that runs: loaded from within
// the application's, the game ends with it; loaded before, it would go on into a loop
// started afresh, its window closed and its timers running.
int runGame(Game& game)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), [&game] { game.load(); }, Qt::QueuedConnection);
    return QCoreApplication::exec();
}

}  // namespace rumitaku
