// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/clock.h"
#include "game/game.h"
#include "game/random_source.h"
#include "window/game_connection.h"
#include "window/main_window.h"
#include "app/startup.h"

int main(int argc, char* argv[])
{
    using namespace rumitaku;

    const auto app = startApplication(argc, argv);

    MainWindow window;
    MersenneRandom random;
    SteadyClock clock;
    Game game(window, random, clock);
    connectGame(window, game);

    return runGame(game);
}
