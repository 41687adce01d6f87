// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cost of the game's ticks and clicks, driven as fast as they go through the real
// window and rules, each followed by the repaint it causes (bench/README.md tells how).
//   bench_ticks ticks N    program CPU time per tick; callgrind collects over these only
//   bench_ticks clicks N   program CPU time per mouse click on a lit cell
//   bench_ticks memory N   resident memory growth over N ticks, each with a click

#include "bench/measure.h"
#include "game/clock.h"
#include "game/random_source.h"
#include "tests/support/window_game.h"
#include "app/startup.h"

#include <QApplication>
#include <QTest>

#include <valgrind/callgrind.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

namespace {

using namespace rumitaku;

constexpr int warmUp = 300;

// The readings of a round at 650 ms, tick after tick, however fast the ticks are driven,
// some hours into the program, where single precision is as coarse as in long play. It
// still reads the real clock each time, for its cost.
class ReplayClock : public Clock {
public:
    void nextTick() { tick_ = tick_ % ticksPerRound + 1; }
    float steadySeconds() override
    {
        real_.steadySeconds();
        return 12 * 3600.0f + static_cast<float>(tick_) * tickSeconds;
    }

private:
    static constexpr float tickSeconds = Game::fastInterval / 1000.0f;
    static constexpr int ticksPerRound = static_cast<int>(Game::roundSeconds / tickSeconds);
    SteadyClock real_;
    int tick_ = 0;
};

// Counts the paint events of every widget, as the application's event filter.
class PaintCounter : public QObject {
public:
    long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    const std::string_view mode = argc > 1 ? argv[1] : "";
    const int count = argc > 2 ? std::atoi(argv[2]) : 0;
    if (count <= 0 || (mode != "ticks" && mode != "clicks" && mode != "memory")) {
        std::fputs("usage: bench_ticks ticks|clicks|memory COUNT\n", stderr);
        return 2;
    }

    const auto app = startApplication(argc, argv, Arguments::Caller);
    MersenneRandom random;
    ReplayClock clock;
    testing::WindowGame play(random, clock);
    MainWindow& window = play.window;
    // The start message is answered after a player's moment; ticks are then driven from
    // here, and the round must not end.
    play.loadAnsweringOk(std::chrono::milliseconds(300));
    play.stopTimers();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fputs("bench_ticks: the window was never shown\n", stderr);
        return 1;
    }
    QCoreApplication::processEvents();

    const auto tick = [&] {
        clock.nextTick();
        emit window.timer1Timer();
        QCoreApplication::processEvents();
    };
    // Through the window system, as the mouse gives it; it processes the events it causes.
    const auto click = [&window](int cell) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, window.co1(cell)->geometry().center());
    };
    // Program CPU time, all threads (CLOCK_PROCESS_CPUTIME_ID), per step over `steps`.
    const auto microsecondsEach = [](int steps, std::clock_t since) {
        return static_cast<double>(std::clock() - since) * 1e6 / CLOCKS_PER_SEC / steps;
    };

    if (mode == "clicks") {
        // A green cell: every click adds one, so the score display changes every time.
        constexpr int cell = 77;
        const int clicks = std::min(count, 30000);
        window.setCellColour(cell, cell_colour::lightGreen);
        for (int i = 0; i < warmUp; ++i)
            click(cell);
        const std::clock_t begin = std::clock();
        for (int i = 0; i < clicks; ++i)
            click(cell);
        std::printf("cpu_per_click_us %.3f\n", microsecondsEach(clicks, begin));
        return play.game.score() == warmUp + clicks ? 0 : 1;
    }

    PaintCounter counter;
    app->installEventFilter(&counter);
    for (int i = 0; i < warmUp; ++i)
        tick();
    app->removeEventFilter(&counter);
    std::printf("paints_per_tick %.3f\n", static_cast<double>(counter.paints) / warmUp);

    if (mode == "memory") {
        long before = 0;
        for (int i = 0; i < warmUp + count; ++i) {
            if (i == warmUp)
                before = bench::statusKib("VmRSS");
            tick();
            click(play.game.lastCell());
        }
        std::printf("memory_growth_kib %ld\n", bench::statusKib("VmRSS") - before);
        return 0;
    }

    const std::clock_t begin = std::clock();
    CALLGRIND_TOGGLE_COLLECT;
    for (int i = 0; i < count; ++i)
        tick();
    CALLGRIND_TOGGLE_COLLECT;
    std::printf("cpu_per_tick_us %.3f\n", microsecondsEach(count, begin));
    return 0;
}
