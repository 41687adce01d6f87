// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor: an empty window of the game's size, built with the same toolkit
// and flags, against which the game's figures are set.
//   bench_floor              shows the window until it is ended
//   bench_floor round [ms]   also runs two timers like the game's, at 650 ms
//                            and for one round (40000 ms unless given), doing
//                            nothing, and prints their timing and the peak memory

#include "bench/floor_round.h"

#include <QApplication>
#include <QWidget>

#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    const bool round = argc > 1 && std::strcmp(argv[1], "round") == 0;
    const int roundMs = argc > 2 ? std::atoi(argv[2]) : 40000;

    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(703, 504);
    window.show();
    if (!round)
        return app.exec();

    rumitaku::bench::playFloorRound(window, roundMs);
    return 0;
}
