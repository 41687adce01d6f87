// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One whole round of the game, on its real timers and its real start path:
// the speed is set to fast while the start message shows, and the start and
// end messages are answered by MessageAnswerer. Prints the tick and round-end
// timing and the peak memory.
//   bench_round [round length in ms, 40000 unless given]

#include "game/game.h"
#include "window/game_connection.h"
#include "bench/game_start.h"
#include "window/main_window.h"
#include "window/qt_clock.h"
#include "game/random_source.h"
#include "bench/tick_recorder.h"
#include "tests/support/message_answerer.h"

#include <QApplication>
#include <QPushButton>

#include <chrono>
#include <cstdlib>

int main(int argc, char* argv[])
{
    using namespace rumitaku;
    using namespace rumitaku::bench;
    using rumitaku::testing::MessageAnswerer;

    const int roundMs = argc > 1 ? std::atoi(argv[1]) : 40000;

    const auto app = startLikeTheGame(argc, argv);

    MainWindow window;
    MersenneRandom random;
    QtClock clock;
    Game game(window, random, clock);

    // Connected before the game's handlers, so each time is taken as the timer fires.
    TickRecorder ticks(Game::fastInterval);
    Instant roundEnd{};
    QObject::connect(&window, &MainWindow::timer1Timer, &window, [&ticks] { ticks.tick(); });
    QObject::connect(&window, &MainWindow::timer2Timer, &window, [&roundEnd] { roundEnd = now(); });
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
    ticks.start(answerer.closedAt().at(0));
    const int status = app->exec();
    if (status != 0 || answerer.closedAt().size() != 2 || ticks.ticks() == 0)
        return 1;
    printRound(ticks, answerer.closedAt().at(0), roundEnd, roundMs);
    return 0;
}
