// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/window/window_fixture.h"
#include "window/main_window.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace rumitaku::testing {
namespace {

using namespace std::chrono_literals;

// The window's two timers as the rules switch them: Timer1, the lighting tick, and
// Timer2, the round's end.
class WindowTimerTest : public WindowFixture {
protected:
    WindowTimerTest() : WindowFixture(Rules::None) {}

    QSignalSpy ticks{&window, &MainWindow::timer1Timer};
    QSignalSpy roundEnds{&window, &MainWindow::timer2Timer};

    const QTimer& timer1() const { return window.timer(Timer::Timer1); }
    const QTimer& timer2() const { return window.timer(Timer::Timer2); }

    // Lets a timer of a few milliseconds fall due several times over before the event
    // loop looks at it.
    static void missSeveralTicks() { std::this_thread::sleep_for(30ms); }
};

TEST_F(WindowTimerTest, TicksAgainAndAgainUntilSwitchedOff)
{
    window.setTimerEnabled(Timer::Timer2, false);
    window.setTimerInterval(Timer::Timer1, 2);
    EXPECT_TRUE(timer1().isActive());
    while (ticks.count() < 3 && ticks.wait(5000)) {
    }
    EXPECT_GE(ticks.count(), 3);
    window.setTimerEnabled(Timer::Timer1, false);
    EXPECT_FALSE(timer1().isActive());
    EXPECT_EQ(roundEnds.count(), 0);
}

TEST_F(WindowTimerTest, IntervalsMissedWhileBusyBringOneTick)
{
    window.setTimerEnabled(Timer::Timer2, false);
    window.setTimerInterval(Timer::Timer1, 1);
    missSeveralTicks();
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks.count(), 1);
}

// A round that has ended must not get one more tick that fell due as it ended, nor a
// speed button's new interval a tick of the old one.
TEST_F(WindowTimerTest, NoTickThatWasDueComesAfterSwitchingOffOrANewInterval)
{
    window.setTimerInterval(Timer::Timer1, 1);
    window.setTimerEnabled(Timer::Timer2, false);
    window.setTimerEnabled(Timer::Timer2, true);
    missSeveralTicks();
    window.setTimerInterval(Timer::Timer1, 60'000);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks.count(), 0);
    EXPECT_TRUE(timer1().isActive());
    EXPECT_EQ(timer1().interval(), 60'000);

    window.setTimerInterval(Timer::Timer1, 1);
    missSeveralTicks();
    window.setTimerEnabled(Timer::Timer1, false);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks.count(), 0);
}

TEST_F(WindowTimerTest, ANewIntervalLeavesASwitchedOffTimerOff)
{
    window.setTimerEnabled(Timer::Timer1, false);
    window.setTimerInterval(Timer::Timer1, 2);
    missSeveralTicks();
    QCoreApplication::processEvents();
    EXPECT_FALSE(timer1().isActive());
    EXPECT_EQ(timer1().interval(), 2);
    EXPECT_EQ(ticks.count(), 0);
}

TEST_F(WindowTimerTest, BothTimersArePrecise)
{
    EXPECT_EQ(timer1().timerType(), Qt::PreciseTimer);
    EXPECT_EQ(timer2().timerType(), Qt::PreciseTimer);
}

}  // namespace
}  // namespace rumitaku::testing
