// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game.h"
#include "game_connection.h"
#include "main_window.h"
#include "qt_clock.h"
#include "random_source.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    using namespace rumitaku;

    exitClearlyWithoutDisplay();
    preferPromptTicksAndRepaints();
    QApplication app(argc, argv);
    introduceToDesktop();
    useJapaneseFont();

    MainWindow window;
    MersenneRandom random;
    QtClock clock;
    Game game(window, random, clock);
    connectGame(window, game);

    game.load();
    return app.exec();
}
