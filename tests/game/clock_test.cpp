// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>
#include <utility>

namespace rumitaku::testing {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

// Whether `reached` comes true within a few seconds.
template <typename Condition>
bool waitFor(Condition reached)
{
    const auto deadline = steady_clock::now() + 5s;
    while (!reached()) {
        if (steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

// The hour and minute of the local time of day.
std::pair<int, int> localHourAndMinute()
{
    const std::time_t now = system_clock::to_time_t(system_clock::now());
    const std::tm local = *std::localtime(&now);
    return {local.tm_hour, local.tm_min};
}

// The time of day is moved by libfaketime, which the test clock_steps puts in front of
// the program: it reads its offset to the real time from the file named here, afresh at
// each reading, and leaves the steady clock alone. The file is replaced whole, never
// rewritten in place, so that no reading finds it half written.
TEST(SteadyClock, CountsOnAtThePaceOfTimeWhateverTheTimeOfDayDoes)
{
    const char* fakeTimeFile = std::getenv("RUMITAKU_FAKE_TIME_FILE");
    if (fakeTimeFile == nullptr || *fakeTimeFile == '\0')
        GTEST_SKIP() << "runs under libfaketime, as the test clock_steps";
    const std::string file = fakeTimeFile;
    const auto offsetTimeOfDay = [&](seconds offset) {
        const std::string written = file + ".new";
        std::ofstream out(written);
        out << (offset < 0s ? "" : "+") << offset.count() << '\n';
        out.close();
        ASSERT_TRUE(out) << written;
        ASSERT_EQ(std::rename(written.c_str(), file.c_str()), 0) << file;
    };
    offsetTimeOfDay(0s);
    const sys_seconds realNow = floor<seconds>(system_clock::now());
    // One second before a moment (in UTC), as an offset to the real time.
    const auto justBefore = [&](year_month_day date, hours time) { return sys_days(date) + time - 1s - realNow; };
    SteadyClock clock;
    const struct {
        const char* change;
        seconds offset;  // the offset to the real time after the change
        int hourAfter;  // the hour Berlin's time of day starts once the change has come
    } changes[] = {
        {"set back 10 s", -10s, -1},
        {"set forward 1 h", 1h, -1},
        {"summer time begins", justBefore(2026y / March / 29, 1h), 3},
        {"summer time ends", justBefore(2026y / October / 25, 1h), 2},
        {"midnight", justBefore(2026y / December / 9, 23h), 0},
    };
    for (const auto& c : changes) {
        const float before = clock.steadySeconds();
        const auto wallBefore = system_clock::now();
        offsetTimeOfDay(c.offset);
        if (c.hourAfter >= 0)
            ASSERT_TRUE(waitFor([&] { return localHourAndMinute() == std::pair(c.hourAfter, 0); }))
                << c.change << ": the time of day did not get there; is libfaketime in place?";
        else
            ASSERT_GE(abs(system_clock::now() - wallBefore), 9s)
                << c.change << ": the time of day did not move; is libfaketime in place?";
        const float after = clock.steadySeconds();
        // No more than the second or so the test waited; the time of day moved by 10 s to a day.
        EXPECT_GE(after - before, 0.0f) << c.change;
        EXPECT_LT(after - before, 5.0f) << c.change;
    }
}

}  // namespace
}  // namespace rumitaku::testing
