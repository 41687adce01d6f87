// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/event_loop_timer.h"
#ifdef RUMITAKU_HAVE_TIMERFD
#include "window/kernel_timer.h"
#endif

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#ifdef RUMITAKU_HAVE_TIMERFD
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <chrono>
#include <string>
#include <thread>
#include <type_traits>

namespace rumitaku::testing {
namespace {

using namespace std::chrono_literals;

// Lets the kernel's timer expire several times over before the event loop looks at it.
void missSeveralTicks()
{
    std::this_thread::sleep_for(30ms);
}

// Both timers are tested wherever both build, whichever of them the game takes.
template <typename Timer>
class PreciseTimerTest : public ::testing::Test {};

#ifdef RUMITAKU_HAVE_TIMERFD
using Timers = ::testing::Types<KernelTimer, EventLoopTimer>;
#else
using Timers = ::testing::Types<EventLoopTimer>;
#endif

class TimerName {
public:
    template <typename Timer>
    static std::string GetName(int)
    {
        return std::is_same_v<Timer, EventLoopTimer> ? "EventLoopTimer" : "KernelTimer";
    }
};

TYPED_TEST_SUITE(PreciseTimerTest, Timers, TimerName);

TYPED_TEST(PreciseTimerTest, TicksAgainAndAgainUntilStopped)
{
    TypeParam timer(2);
    QSignalSpy ticks(&timer, &TypeParam::timeout);
    EXPECT_FALSE(timer.isActive());
    timer.start();
    EXPECT_TRUE(timer.isActive());
    while (ticks.count() < 3 && ticks.wait(5000)) {
    }
    EXPECT_GE(ticks.count(), 3);
    timer.stop();
    EXPECT_FALSE(timer.isActive());
}

TYPED_TEST(PreciseTimerTest, IntervalsMissedWhileBusyBringOneTick)
{
    TypeParam timer(1);
    QSignalSpy ticks(&timer, &TypeParam::timeout);
    timer.start();
    missSeveralTicks();
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks.count(), 1);
}

// A round that has ended must not get one more tick that fell due as it ended.
TYPED_TEST(PreciseTimerTest, NoTickThatWasDueComesAfterStopOrRestart)
{
    TypeParam stopped(1);
    TypeParam restarted(1);
    QSignalSpy stoppedTicks(&stopped, &TypeParam::timeout);
    QSignalSpy restartedTicks(&restarted, &TypeParam::timeout);
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

TYPED_TEST(PreciseTimerTest, SettingTheIntervalOfAStoppedTimerDoesNotStartIt)
{
    TypeParam timer(1);
    QSignalSpy ticks(&timer, &TypeParam::timeout);
    timer.setInterval(2);
    missSeveralTicks();
    QCoreApplication::processEvents();
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(ticks.count(), 0);
}

// The sanitizers' runtime needs descriptors of its own to check and report, which this test
// takes away.
#if defined(RUMITAKU_HAVE_TIMERFD) && !defined(__SANITIZE_ADDRESS__)
// Lets the process open no more descriptors than it has open now.
void leaveNoFreeDescriptor()
{
    const int lowestFree = ::dup(0);
    ::close(lowestFree);
    const rlimit limit{static_cast<rlim_t>(lowestFree), static_cast<rlim_t>(lowestFree)};
    ::setrlimit(RLIMIT_NOFILE, &limit);
}

// The kernel refuses the timer: the program says why in one line and exits with
// status 1, instead of throwing out of the window's constructor into an abort.
TEST(KernelTimerDeathTest, WithoutAFreeDescriptorTheProgramSaysSoAndExits)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            leaveNoFreeDescriptor();
            KernelTimer timer(700);
        },
        ::testing::ExitedWithCode(1),
        "rumitaku: タイマーを作れません \\(cannot create a timer: too many open files\\)");
}
#endif

}  // namespace
}  // namespace rumitaku::testing
