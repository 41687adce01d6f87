// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/floor_round.h"

#include "bench/tick_recorder.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

namespace rumitaku::bench {

void playFloorRound(QWidget& window, int roundMs, const std::function<void()>& atStart,
                    const std::function<void()>& atEnd)
{
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
        if (atEnd)
            atEnd();
        QCoreApplication::quit();
    });
    QTimer::singleShot(300, &window, [&] {
        if (atStart)
            atStart();
        start = now();
        ticks.start(start);
        tick.start();
        roundEnd.start();
    });
    QCoreApplication::exec();
    printRound(ticks, start, end, roundMs);
}

}  // namespace rumitaku::bench
