// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/heap.h"
#include "tests/support/message_answerer.h"
#include "tests/window/window_fixture.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cstddef>
#include <random>

namespace rumitaku::testing {
namespace {

// Ten thousand ticks as fast as the window paints them, with clicks on the cells and the speed
// buttons between them and a round end answered Yes every hundred ticks.
class WindowSoak : public WindowFixture {
protected:
    WindowSoak() : WindowFixture(Rules::Behind, 19) {}
};

TEST_F(WindowSoak, TenThousandTicksWithClicksLeaveTheHeapAsItWas)
{
    constexpr int warmUpTicks = 1000;
    constexpr int soakTicks = 10000;
    constexpr int ticksPerRound = 100;

    WindowGame& program = play();
    Game& game = program.game;
    ASSERT_TRUE(program.loadAnsweringOk());
    // The ticks and round ends come from the loop below, not from the timers.
    const auto stopTimers = [&program] { program.stopTimers(); };
    stopTimers();
    int unanswered = 0;
    const auto endRound = [&] {
        // Painted before it is answered, so that every question fills the same caches.
        MessageAnswerer yes({[](QMessageBox& box) {
            box.repaint();
            clickButton(box, "はい(&Y)");
        }});
        emit window.timer2Timer();
        unanswered += yes.timedOut();
        stopTimers();
    };

    std::mt19937 player(23);
    const auto uniform = [&](int low, int up) { return std::uniform_int_distribution(low, up)(player); };
    const char* const speedButtons[] = {"Command1", "Command2", "Command3"};
    int tick = 0;
    const auto play = [&](int ticks) {
        for (const int end = tick + ticks; tick < end; ++tick) {
            clock.now += 0.7f;
            emit window.timer1Timer();
            for (int c = uniform(0, 2); c > 0; --c) {
                const int cell = uniform(0, 1) ? game.lastCell() : uniform(0, 143);
                QTest::mouseClick(window.co1(cell), Qt::LeftButton);
            }
            if (uniform(0, 99) == 0)
                QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(speedButtons[uniform(0, 2)])),
                                  Qt::LeftButton);
            if (tick % ticksPerRound == ticksPerRound - 1)
                endRound();
            QCoreApplication::processEvents();
        }
    };

    // The first ticks fill what Qt keeps once made: glyphs, paint buffers, the question's
    // pixmaps, the allocator's own caches.
    play(warmUpTicks);
    const std::size_t before = heapInUse();
    play(soakTicks);
    const std::size_t after = heapInUse();

    EXPECT_EQ(unanswered, 0);
    // What the allocator and Qt's caches hold back varies by a few kilobytes. A leak of one
    // small block a tick (at least 32 bytes in the heap), or of 640 bytes a round, would exceed it.
    constexpr std::size_t tolerance = 64 * 1024;
    EXPECT_LT(after, before + tolerance) << "heap grew from " << before << " to " << after << " bytes";
}

}  // namespace
}  // namespace rumitaku::testing
