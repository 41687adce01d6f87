// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One whole round of the game on its real timers and start path, played at the fast
// speed, its messages answered as a player would (bench/README.md tells how). Prints
// the tick and round-end timing and the peak memory.
//   bench_round [round length in ms, 40000 unless given]

#include "bench/measure.h"
#include "game/clock.h"
#include "game/game.h"
#include "game/random_source.h"
#include "tests/support/message_answerer.h"
#include "window/game_connection.h"
#include "window/main_window.h"
#include "app/startup.h"

#include <QApplication>
#include <QPushButton>

#include <chrono>
#include <cstdlib>

int main(int argc, char* argv[])
{
    using namespace rumitaku;
    using rumitaku::testing::MessageAnswerer;

    const int roundMs = argc > 1 ? std::atoi(argv[1]) : 40000;

    const auto app = startApplication(argc, argv, Arguments::Caller);

    MainWindow window;
    MersenneRandom random;
    SteadyClock clock;
    Game game(window, random, clock);

    // Connected before the game's handlers, so each time is taken as the timer fires.
    bench::RoundRecorder round(Game::fastInterval, roundMs);
    QObject::connect(&window, &MainWindow::timer1Timer, &window, [&round] { round.tick(); });
    QObject::connect(&window, &MainWindow::timer2Timer, &window, [&round] { round.end(); });
    connectGame(window, game);
    window.setTimerInterval(Timer::Timer2, roundMs);

    // Each box is answered after a moment, by which the window behind has long been drawn.
    constexpr std::chrono::milliseconds playerMoment(300);
    auto* fast = window.findChild<FlatButton*>(QStringLiteral("Command1"));
    MessageAnswerer answerer({
        [fast](QMessageBox& box) {
            fast->click();
            box.button(QMessageBox::Ok)->click();
        },
        [](QMessageBox& box) { box.button(QMessageBox::No)->click(); },
    }, playerMoment);

    game.load();
    round.start(answerer.closedAt().at(0));
    const int status = app->exec();
    if (status != 0 || answerer.closedAt().size() != 2 || round.ticks() == 0)
        return 1;
    round.print();
    return 0;
}
