// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/precise_timer.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace rumitaku::testing {
namespace {

using namespace std::chrono_literals;

// Lets the kernel's timer expire several times over before the event loop looks at it.
void missSeveralTicks()
{
    std::this_thread::sleep_for(30ms);
}

TEST(PreciseTimerTest, TicksAgainAndAgainUntilStopped)
{
    PreciseTimer timer(2);
    QSignalSpy ticks(&timer, &PreciseTimer::timeout);
    EXPECT_FALSE(timer.isActive());
    timer.start();
    EXPECT_TRUE(timer.isActive());
    while (ticks.count() < 3 && ticks.wait(5000)) {
    }
    EXPECT_GE(ticks.count(), 3);
    timer.stop();
    EXPECT_FALSE(timer.isActive());
}

TEST(PreciseTimerTest, IntervalsMissedWhileBusyBringOneTick)
{
    PreciseTimer timer(1);
    QSignalSpy ticks(&timer, &PreciseTimer::timeout);
    timer.start();
    missSeveralTicks();
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks.count(), 1);
}

// A round that has ended must not get one more tick that fell due as it ended.
TEST(PreciseTimerTest, NoTickThatWasDueComesAfterStopOrRestart)
{
    PreciseTimer stopped(1);
    PreciseTimer restarted(1);
    QSignalSpy stoppedTicks(&stopped, &PreciseTimer::timeout);
    QSignalSpy restartedTicks(&restarted, &PreciseTimer::timeout);
    stopped.start();
    restarted.start();
    missSeveralTicks();
    stopped.stop();
    restarted.setInterval(60'000);
    QCoreApplication::processEvents();
    EXPECT_EQ(stoppedTicks.count(), 0);
    EXPECT_EQ(restartedTicks.count(), 0);
    EXPECT_TRUE(restarted.isActive());
    EXPECT_EQ(restarted.interval(), 60'000);
}

TEST(PreciseTimerTest, SettingTheIntervalOfAStoppedTimerDoesNotStartIt)
{
    PreciseTimer timer(1);
    QSignalSpy ticks(&timer, &PreciseTimer::timeout);
    timer.setInterval(2);
    missSeveralTicks();
    QCoreApplication::processEvents();
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(ticks.count(), 0);
}

}  // namespace
}  // namespace rumitaku::testing
