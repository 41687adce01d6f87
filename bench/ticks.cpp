// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cost of the game's ticks and clicks, driven as fast as they go through
// the real window and rules, each followed by the repaint it causes.
//   bench_ticks ticks N       program CPU time per tick
//   bench_ticks clicks N      program CPU time per mouse click on a lit cell
//   bench_ticks callgrind N   N ticks with callgrind's collection on, the rest off
//   bench_ticks memory N      resident memory growth over N ticks, each with a click

#include "bench/game_start.h"
#include "bench/paint_counter.h"
#include "bench/process_stats.h"
#include "game/random_source.h"
#include "bench/replay_clock.h"
#include "tests/support/window_game.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <valgrind/callgrind.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

using namespace rumitaku;
using namespace rumitaku::bench;
using rumitaku::testing::WindowGame;

constexpr int warmUp = 300;

// Answers the start message after a player's moment, then stops the timers: ticks are
// driven from here, and the round must not end.
void start(WindowGame& play)
{
    play.loadAnsweringOk(std::chrono::milliseconds(300));
    play.stopTimers();
    if (!QTest::qWaitForWindowExposed(&play.window)) {
        std::fputs("bench_ticks: the window was never shown\n", stderr);
        std::exit(1);
    }
    QCoreApplication::processEvents();
}

void tick(MainWindow& window, ReplayClock& clock)
{
    clock.nextTick();
    emit window.timer1Timer();
    QCoreApplication::processEvents();
}

// A left click through the window system, as the mouse gives it; processes the events it causes.
void click(MainWindow& window, int cell)
{
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, window.co1(cell)->geometry().center());
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::string_view mode = argc > 1 ? argv[1] : "";
    const int count = argc > 2 ? std::atoi(argv[2]) : 0;
    if (count <= 0 || (mode != "ticks" && mode != "clicks" && mode != "callgrind" && mode != "memory")) {
        std::fputs("usage: bench_ticks ticks|clicks|callgrind|memory COUNT\n", stderr);
        return 2;
    }

    const auto app = startLikeTheGame(argc, argv);
    MersenneRandom random;
    ReplayClock clock;
    WindowGame play(random, clock);
    MainWindow& window = play.window;
    Game& game = play.game;
    start(play);

    if (mode == "clicks") {
        // A green cell: every click adds one, so the score display changes every time.
        constexpr int cell = 77;
        const int clicks = std::min(count, 30000);
        window.setCellColour(cell, cell_colour::lightGreen);
        for (int i = 0; i < warmUp; ++i)
            click(window, cell);
        const double begin = processCpuSeconds();
        for (int i = 0; i < clicks; ++i)
            click(window, cell);
        const double cpu = processCpuSeconds() - begin;
        std::printf("cpu_per_click_us %.3f\n", cpu / clicks * 1e6);
        return game.score() == warmUp + clicks ? 0 : 1;
    }

    {
        PaintCounter counter;
        for (int i = 0; i < warmUp; ++i)
            tick(window, clock);
        std::printf("paints_per_tick %.3f\n", static_cast<double>(counter.paints()) / warmUp);
    }

    if (mode == "memory") {
        for (int i = 0; i < warmUp; ++i) {
            tick(window, clock);
            click(window, game.lastCell());
        }
        const long before = statusKib("VmRSS");
        for (int i = 0; i < count; ++i) {
            tick(window, clock);
            click(window, game.lastCell());
        }
        std::printf("memory_growth_kib %ld\n", statusKib("VmRSS") - before);
        return 0;
    }

    const double begin = processCpuSeconds();
    if (mode == "callgrind")
        CALLGRIND_TOGGLE_COLLECT;
    for (int i = 0; i < count; ++i)
        tick(window, clock);
    if (mode == "callgrind")
        CALLGRIND_TOGGLE_COLLECT;
    const double cpu = processCpuSeconds() - begin;
    std::printf("cpu_per_tick_us %.3f\n", cpu / count * 1e6);
    return 0;
}
