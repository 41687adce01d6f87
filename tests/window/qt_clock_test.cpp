// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt_clock.h"

#include <QDateTime>
#include <QSaveFile>
#include <QTest>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <cstdlib>

namespace rumitaku::testing {
namespace {

// The time of day is moved by libfaketime, which the test qt_clock_steps puts in
// front of the program: it reads its offset to the real time from the file named
// here, afresh at each reading, and leaves the monotonic clock alone. The file is
// replaced whole, never rewritten in place, so that no reading finds it half written.
TEST(QtClock, CountsOnAtThePaceOfTimeWhateverTheTimeOfDayDoes)
{
    const QString file = qEnvironmentVariable("RUMITAKU_FAKE_TIME_FILE");
    if (file.isEmpty())
        GTEST_SKIP() << "runs under libfaketime, as the test qt_clock_steps";
    const auto offsetTimeOfDay = [&](qint64 seconds) {
        QSaveFile offset(file);
        ASSERT_TRUE(offset.open(QIODevice::WriteOnly));
        offset.write(QByteArray(seconds < 0 ? "" : "+") + QByteArray::number(seconds) + '\n');
        ASSERT_TRUE(offset.commit());
    };
    offsetTimeOfDay(0);
    const qint64 realNow = QDateTime::currentSecsSinceEpoch();
    // One second before a moment (in UTC), as an offset to the real time.
    const auto justBefore = [&](QDate date, QTime time) {
        return QDateTime(date, time, QTimeZone::utc()).toSecsSinceEpoch() - 1 - realNow;
    };
    QtClock clock;
    const struct {
        const char* change;
        qint64 offset;  // the offset to the real time after the change
        int hourAfter;  // the hour Berlin's time of day starts once the change has come
    } changes[] = {
        {"set back 10 s", -10, -1},
        {"set forward 1 h", 3600, -1},
        {"summer time begins", justBefore({2026, 3, 29}, {1, 0}), 3},
        {"summer time ends", justBefore({2026, 10, 25}, {1, 0}), 2},
        {"midnight", justBefore({2026, 12, 9}, {23, 0}), 0},
    };
    for (const auto& c : changes) {
        const float before = clock.steadySeconds();
        const qint64 wallBefore = QDateTime::currentMSecsSinceEpoch();
        offsetTimeOfDay(c.offset);
        if (c.hourAfter >= 0)
            ASSERT_TRUE(QTest::qWaitFor([&] { const QTime now = QTime::currentTime();
                return now.hour() == c.hourAfter && now.minute() == 0;
            }, 5000))
                << c.change << ": the time of day did not get there; is libfaketime in place?";
        else
            ASSERT_GE(std::abs(QDateTime::currentMSecsSinceEpoch() - wallBefore), 9000)
                << c.change << ": the time of day did not move; is libfaketime in place?";
        const float after = clock.steadySeconds();
        // No more than the second or so the test waited; the time of day moved by 10 s to a day.
        EXPECT_GE(after - before, 0.0f) << c.change;
        EXPECT_LT(after - before, 5.0f) << c.change;
    }
}

}  // namespace
}  // namespace rumitaku::testing
