// The floor: an empty window of the game's size, built with the same toolkit
// and flags, against which the game's figures are set.
//   bench_floor              shows the window until it is ended
//   bench_floor round [ms]   also runs two timers like the game's, at 650 ms
//                            and for one round (40000 ms unless given), doing
//                            nothing, and prints their timing and the peak memory

#include "tick_recorder.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    using namespace rumitaku::bench;

    const bool round = argc > 1 && std::strcmp(argv[1], "round") == 0;
    const int roundMs = argc > 2 ? std::atoi(argv[2]) : 40000;

    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(703, 504);
    window.show();
    if (!round)
        return app.exec();

    TickRecorder ticks(650);
    Instant start{};
    Instant end{};
    QTimer tick;
    QTimer roundEnd;
    tick.setTimerType(Qt::PreciseTimer);
    roundEnd.setTimerType(Qt::PreciseTimer);
    tick.setInterval(650);
    roundEnd.setInterval(roundMs);
    roundEnd.setSingleShot(true);
    QObject::connect(&tick, &QTimer::timeout, &window, [&ticks] { ticks.tick(); });
    QObject::connect(&roundEnd, &QTimer::timeout, &window, [&] {
        end = now();
        tick.stop();
        app.quit();
    });
    // Started a player's moment after the window shows, as the game's are.
    QTimer::singleShot(300, &window, [&] {
        start = now();
        ticks.start(start);
        tick.start();
        roundEnd.start();
    });
    app.exec();
    printRound(ticks, start, end, roundMs);
    return 0;
}
