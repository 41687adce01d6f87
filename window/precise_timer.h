// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QSocketNotifier>

namespace rumitaku {

// A repeating timer kept by the kernel (a Linux timerfd) to the microsecond.
// Qt's own timers wait in whole milliseconds, rounded up, so each of their
// ticks comes up to a millisecond late; a reflex game's tick should not.
// Like QTimer, setting the interval of a running timer starts it afresh, and
// a timer that is stopped delivers no tick that was already due.
class PreciseTimer : public QObject {
    Q_OBJECT

public:
    explicit PreciseTimer(int milliseconds, QObject* parent = nullptr);
    ~PreciseTimer() override;

    int interval() const { return interval_; }
    bool isActive() const { return active_; }

    void setInterval(int milliseconds);
    void start();
    void stop();

signals:
    void timeout();

private:
    void arm(int milliseconds);
    void expire();

    int fd_;
    QSocketNotifier notifier_;
    int interval_;
    bool active_ = false;
};

}  // namespace rumitaku
